#pragma once

#include "skinframe/TbsSkinButtonObject.h"

class TbsDataSkinAnimate;

// An animated frame part. This program's skins animate nothing: it shows its first frame in
// the object's looks (pressed: its down rectangle) and, like a caption button, runs its command
// when released over itself.
class TbsSkinAnimateObject : public TbsSkinButtonObject {
public:
    TbsSkinAnimateObject(TbsFrameObjectHost& host, const TbsDataSkinAnimate& data, const TbsSkinData& store);

    void MouseUp(Qt::MouseButton button, const QPoint& at) override;

    TbsSkinCommand Command = TbsSkinCommand::Default;
};
