#pragma once

#include "skinframe/TbsActiveSkinObject.h"

class TbsDataSkinAnimate;

// An animated frame part. This program's skins animate nothing: it shows its first frame in
// the object's looks (pressed: its down rectangle) and, like a caption button, runs its command
// when released over itself.
class TbsSkinAnimateObject : public TbsActiveSkinObject {
public:
    TbsSkinAnimateObject(TbsFrameObjectHost& host, const TbsDataSkinAnimate& data, const TbsSkinData& store);

    void MouseDown(Qt::MouseButton button, const QPoint& at) override;
    void MouseUp(Qt::MouseButton button, const QPoint& at) override;

    TbsSkinCommand Command = TbsSkinCommand::Default;
    QRect DownSkinRect;

protected:
    ObjectLooks Looks(const FrameObjectPaint& paint) const override;
    ObjectLookState LookState(const FrameObjectPaint& paint) const override;

private:
    bool down_ = false;
};
