#pragma once

#include "skinframe/TbsSkinButtonObject.h"

class TbsDataSkinStdButton;

// A caption button with a window command. In its alternate state (maximize while maximized,
// minimize while minimized, roll-up while rolled up) it shows its restore looks. Released
// over itself it runs its command; the system-menu button opens the system menu when pressed
// and closes the form when double-clicked. Built without skin data it is the default frame's
// flat button with a glyph.
class TbsSkinStdButtonObject : public TbsSkinButtonObject {
public:
    TbsSkinStdButtonObject(TbsFrameObjectHost& host, const TbsDataSkinStdButton& data, const TbsSkinData& store);
    // A default frame button of the given size at rect.
    TbsSkinStdButtonObject(TbsFrameObjectHost& host, TbsSkinCommand command, const QSize& size);

    bool HasMenu() const override;
    void DblClick() override;
    void MouseUp(Qt::MouseButton button, const QPoint& at) override;
    void Draw(QPainter& painter, const FrameObjectPaint& paint) const override;

    // Whether the button shows its restore looks in this window state.
    bool InAlternateState(const FrameObjectPaint& paint) const;

    TbsSkinCommand Command = TbsSkinCommand::Default;
    QRect RestoreRect;
    QRect RestoreActiveRect;
    QRect RestoreDownRect;
    QRect RestoreInActiveRect;
    QString RestoreHint;

protected:
    ObjectLooks Looks(const FrameObjectPaint& paint) const override;

private:
    void DrawDefault(QPainter& painter, const FrameObjectPaint& paint) const;

    bool isDefault_ = false;
};
