#pragma once

#include "skinframe/TbsActiveSkinObject.h"

class TbsDataSkinButton;

// A frame button: the object's looks plus a pressed and a disabled one. A press sets it down
// (and opens its menu where it has one, which stays down until the menu closes); a release
// lets a button without a menu up again.
class TbsSkinButtonObject : public TbsActiveSkinObject {
public:
    TbsSkinButtonObject(TbsFrameObjectHost& host, const TbsDataSkinButton& data, const TbsSkinData& store);

    void MouseDown(Qt::MouseButton button, const QPoint& at) override;
    void MouseUp(Qt::MouseButton button, const QPoint& at) override;

    // Whether pressing it opens a menu.
    virtual bool HasMenu() const;
    // The menu it opened has closed.
    void MenuClosed();

    QRect DownRect;
    QRect DisabledRect;
    bool Down = false;

protected:
    TbsSkinButtonObject(TbsFrameObjectHost& host, const QString& name);
    // A button-like object of another kind, without down and disabled looks of its own.
    TbsSkinButtonObject(TbsFrameObjectHost& host, const TbsDataSkinObject& data, const TbsSkinData& store);

    ObjectLooks Looks(const FrameObjectPaint& paint) const override;
    ObjectLookState LookState(const FrameObjectPaint& paint) const override;
    void SetDown(bool down);
};
