#include "skinframe/TbsSkinStdButtonObject.h"

#include "skin/TbsDataSkinStdButton.h"
#include "skinframe/TbsFrameObjectHost.h"
#include "skinui/SkinColor.h"
#include "skinui/SkinGlyphs.h"

#include <QPainter>

namespace {

// The hot and pressed cells of the default frame's buttons (0x00BBGGRR).
constexpr quint32 kHotFrame = 0x800000;
constexpr quint32 kHotFill = 0xD2BDB6;
constexpr quint32 kDownFill = 0xB59385;
// The glyphs are 12 x 10 pixels at most.
const QSize kGlyphCell(12, 10);

FrameGlyph GlyphOf(TbsSkinCommand command, bool alternate)
{
    switch (command) {
    case TbsSkinCommand::Close: return FrameGlyph::Close;
    case TbsSkinCommand::Maximize: return alternate ? FrameGlyph::Restore : FrameGlyph::Maximize;
    case TbsSkinCommand::Minimize: return alternate ? FrameGlyph::Restore : FrameGlyph::Minimize;
    case TbsSkinCommand::SysMenu: return FrameGlyph::SystemMenu;
    case TbsSkinCommand::RollUp: return alternate ? FrameGlyph::RollDown : FrameGlyph::RollUp;
    default: return FrameGlyph::ToTray;
    }
}

QString DefaultName(TbsSkinCommand command)
{
    return QStringLiteral("default%1").arg(int(command));
}

}  // namespace

TbsSkinStdButtonObject::TbsSkinStdButtonObject(TbsFrameObjectHost& host, const TbsDataSkinStdButton& data,
                                               const TbsSkinData& store)
    : TbsSkinButtonObject(host, data, store),
      Command(data.command),
      RestoreRect(data.restorerect),
      RestoreActiveRect(data.restoreactiverect),
      RestoreDownRect(data.restoredownrect),
      RestoreInActiveRect(data.restoreinactiverect),
      RestoreHint(data.restorehint)
{
}

TbsSkinStdButtonObject::TbsSkinStdButtonObject(TbsFrameObjectHost& host, TbsSkinCommand command, const QSize& size)
    : TbsSkinButtonObject(host, DefaultName(command)), Command(command), isDefault_(true)
{
    SkinRect = QRect(QPoint(0, 0), size);
    ObjectRect = SkinRect;
}

bool TbsSkinStdButtonObject::HasMenu() const
{
    return Command == TbsSkinCommand::SysMenu;
}

void TbsSkinStdButtonObject::DblClick()
{
    if (Command == TbsSkinCommand::SysMenu)
        host_.RunCommand(TbsSkinCommand::Close);
}

void TbsSkinStdButtonObject::MouseUp(Qt::MouseButton button, const QPoint& at)
{
    const bool act = button == Qt::LeftButton && MouseIn && Enabled && Active && !HasMenu();
    TbsSkinButtonObject::MouseUp(button, at);
    if (act)
        host_.RunCommand(Command);
}

bool TbsSkinStdButtonObject::InAlternateState(const FrameObjectPaint& paint) const
{
    switch (Command) {
    case TbsSkinCommand::Maximize: return paint.windowState == TbsFrameWindowState::Maximized;
    case TbsSkinCommand::Minimize: return paint.windowState == TbsFrameWindowState::Minimized;
    case TbsSkinCommand::RollUp: return paint.rolledUp;
    default: return false;
    }
}

ObjectLooks TbsSkinStdButtonObject::Looks(const FrameObjectPaint& paint) const
{
    ObjectLooks looks = TbsSkinButtonObject::Looks(paint);
    if (InAlternateState(paint)) {
        looks.normal = RestoreRect;
        looks.hot = RestoreActiveRect;
        looks.down = RestoreDownRect;
        looks.inactive = RestoreInActiveRect;
    }
    return looks;
}

void TbsSkinStdButtonObject::Draw(QPainter& painter, const FrameObjectPaint& paint) const
{
    if (isDefault_)
        DrawDefault(painter, paint);
    else if (Command == TbsSkinCommand::SysMenu && paint.showIcon && SkinRectInAPicture && !paint.icon.isNull())
        paint.icon.paint(&painter, ObjectRect);
    else
        TbsSkinButtonObject::Draw(painter, paint);
}

void TbsSkinStdButtonObject::DrawDefault(QPainter& painter, const FrameObjectPaint& paint) const
{
    const QRect& r = ObjectRect;
    const bool pressed = Down && MouseIn;
    if (MouseIn) {
        painter.fillRect(r, SkinColorToQColor(kHotFrame));
        painter.fillRect(r.adjusted(1, 1, -1, -1), SkinColorToQColor(pressed ? kDownFill : kHotFill));
    } else {
        painter.fillRect(r, SystemColor(SkinColor::kButtonFace));
    }
    const QColor glyph = SystemColor(Enabled ? SkinColor::kButtonText : SkinColor::kButtonShadow);
    QPoint at = r.topLeft() + QPoint((r.width() - kGlyphCell.width()) / 2, (r.height() - kGlyphCell.height()) / 2);
    if (pressed)
        at += QPoint(1, 1);
    DrawFrameGlyph(painter, GlyphOf(Command, InAlternateState(paint)), at, glyph);
}
