#include "skinui/MenuPainting.h"

#include "skinui/NinePieceImage.h"
#include "skinui/PieceStripImage.h"
#include "skinui/RegionBuilder.h"
#include "skinui/SkinColor.h"
#include "skinui/SkinObjectMapping.h"
#include "skinui/SkinRect.h"
#include "skinui/SkinText.h"

namespace {

// The plain look's colours beyond the system ones, 0x00BBGGRR.
constexpr quint32 kPlainSelectedFrame = 0x800000;
constexpr quint32 kPlainSelectedFill = 0xD2BDB6;
// Where the plain look ends the shortcut and centres the sub-menu arrow, from the inner right edge.
constexpr int kPlainShortcutGap = 19;
constexpr int kPlainArrowGap = 7;
// Where the skin's look ends the shortcut and centres the glyph arrow, from the item's right edge.
constexpr int kSkinShortcutGap = 16;
constexpr int kSkinArrowGap = 8;
// Frame glyph cells, for centring.
constexpr QSize kFrameGlyphCell(11, 10);
constexpr QSize kCheckGlyphCell(8, 8);

QImage PlainBackground(const QSize& size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(SystemColor(SkinColor::kWindow));
    QPainter painter(&image);
    painter.fillRect(QRect(0, 0, kMenuGutter + 2, size.height()), SystemColor(SkinColor::kButtonFace));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(SystemColor(SkinColor::kButtonShadow));
    painter.drawRect(QRect(QPoint(0, 0), size).adjusted(0, 0, -1, -1));
    painter.setPen(SystemColor(SkinColor::kWindow));
    painter.drawRect(QRect(QPoint(1, 1), size).adjusted(0, 0, -3, -3));
    return image;
}

QImage SkinnedBackground(const MenuSkin& skin, const QSize& size, qreal ratio)
{
    const NinePieceGeometry& geometry = skin.windowGeometry;
    QImage image;
    BuildNinePieceImage(image, ScaledSkinPicture{skin.windowPicture, skin.windowDoubleSize, ratio},
                        skin.windowPicture.rect(), geometry,
                        geometry.GrownTo(skin.windowPicture.size(), size), size,
                        skin.windowOptions | NinePieceOption::DrawClient, skin.windowStretch);
    return image;
}

// A piece of the item picture grown to width with fixed ends, drawn at the top of rect.
void DrawItemPiece(QPainter& painter, const QRect& rect, const MenuSkin& skin, const QRect& piece, int head,
                   int tail, bool stretch)
{
    if (piece.isEmpty())
        return;
    QImage image;
    BuildHorizontalPieceImage(head, tail, image, ScaledSkinPicture::For(painter, skin.itemPicture, skin.itemDoubleSize),
                              piece, rect.width(), stretch);
    painter.drawImage(rect.topLeft(), image);
}

QPoint Centred(const QRect& area, const QSize& size)
{
    return QPoint(area.x() + (area.width() - size.width()) / 2, area.y() + (area.height() - size.height()) / 2);
}

void DrawRadioDot(QPainter& painter, const QRect& area, const QColor& color)
{
    const QPoint at = Centred(area, QSize(5, 5));
    painter.fillRect(QRect(at + QPoint(1, 0), QSize(3, 5)), color);
    painter.fillRect(QRect(at + QPoint(0, 1), QSize(5, 3)), color);
}

// The check or radio mark, or a frame glyph the item's name asks for, centred in area.
void DrawMark(QPainter& painter, const QRect& area, const MenuItemFace& face, MenuItemStates state,
              const QColor& color)
{
    if (const std::optional<FrameGlyph> glyph = MenuItemGlyph(face.glyphName)) {
        DrawFrameGlyph(painter, *glyph, Centred(area, kFrameGlyphCell), color);
        return;
    }
    if (!state.testFlag(MenuItemState::Checked))
        return;
    if (state.testFlag(MenuItemState::RadioItem))
        DrawRadioDot(painter, area, color);
    else
        DrawFrameGlyph(painter, FrameGlyph::CheckMark, Centred(area, kCheckGlyphCell), color);
}

void DrawCaptionAndShortcut(QPainter& painter, const QRect& textRect, int shortcutEnd, const MenuItemFace& face,
                            const QColor& color)
{
    painter.setPen(color);
    DrawSingleLineText(painter, face.caption, textRect, Qt::AlignLeft, SkinTextMode::Caption);
    if (!face.shortcut.isEmpty()) {
        const QRect place = SkinRect(textRect.x(), textRect.y(), shortcutEnd, BottomOf(textRect));
        DrawSingleLineText(painter, face.shortcut, place, Qt::AlignRight, SkinTextMode::Literal);
    }
}

void PaintPlainSeparator(QPainter& painter, const QRect& rect)
{
    painter.fillRect(rect, SystemColor(SkinColor::kWindow));
    painter.fillRect(QRect(rect.topLeft(), QSize(kMenuGutter, rect.height())), SystemColor(SkinColor::kButtonFace));
    const int left = rect.x() + kMenuGutter + 2;
    const int middle = rect.y() + rect.height() / 2;
    painter.fillRect(SkinRect(left, middle - 1, RightOf(rect), middle), SystemColor(SkinColor::kButtonShadow));
    painter.fillRect(SkinRect(left, middle, RightOf(rect), middle + 1), SystemColor(SkinColor::kButtonHighlight));
}

void PaintPlainItem(QPainter& painter, const QRect& rect, const MenuItemFace& face, MenuItemStates state)
{
    if (state.testFlag(MenuItemState::Selected)) {
        painter.fillRect(rect, SkinColorToQColor(kPlainSelectedFill));
        painter.setPen(SkinColorToQColor(kPlainSelectedFrame));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect.adjusted(0, 0, -1, -1));
    } else {
        painter.fillRect(rect, SystemColor(SkinColor::kWindow));
        painter.fillRect(QRect(rect.topLeft(), QSize(kMenuGutter, rect.height())), SystemColor(SkinColor::kButtonFace));
    }
    const QColor text = SystemColor(state.testFlag(MenuItemState::Disabled) ? SkinColor::kButtonShadow
                                                                             : SkinColor::kWindowText);
    const int innerRight = RightOf(rect) - 2;
    const QRect gutter(rect.topLeft(), QSize(kMenuGutter, rect.height()));
    if (!face.bitmap.isNull()) {
        const QPoint at(rect.x() + 2, rect.y() + (rect.height() - face.bitmap.height()) / 2);
        painter.drawImage(at, face.bitmap);
        if (state.testFlag(MenuItemState::Checked)) {
            painter.setPen(SystemColor(SkinColor::kButtonShadow));
            painter.drawRect(QRect(at - QPoint(1, 1), face.bitmap.size() + QSize(1, 1)));
        }
    } else {
        DrawMark(painter, gutter, face, state, text);
    }
    const QRect textRect = SkinRect(rect.x() + kMenuGutter + 2, rect.y(), innerRight - kPlainShortcutGap, BottomOf(rect));
    DrawCaptionAndShortcut(painter, textRect, innerRight - kPlainShortcutGap, face, text);
    if (state.testFlag(MenuItemState::HasSubMenu))
        DrawArrowGlyph(painter, ArrowGlyph::Right, QRect(innerRight - kPlainArrowGap, rect.y(), 1, rect.height()), text);
}

QColor SkinnedTextColor(const MenuSkin& skin, MenuItemStates state)
{
    if (state.testFlag(MenuItemState::Disabled))
        return skin.disabledFontColor;
    if (state.testFlag(MenuItemState::Selected))
        return skin.activeFontColor;
    return skin.fontColor;
}

// The picture part for a mark, when the skin gives one.
QRect SkinnedMarkPiece(const MenuSkin& skin, MenuItemStates state)
{
    if (!state.testFlag(MenuItemState::Checked))
        return QRect();
    const bool hot = state.testFlag(MenuItemState::Selected);
    if (state.testFlag(MenuItemState::RadioItem))
        return hot ? skin.activeRadioRect : skin.radioRect;
    return hot ? skin.activeCheckRect : skin.checkRect;
}

void DrawSkinnedImage(QPainter& painter, const QRect& rect, const QRect& textRect, const MenuItemFace& face,
                      MenuItemStates state, const MenuSkin& skin, const QColor& text)
{
    QRect area = skin.ImageRect(rect);
    if (area.isEmpty())
        area = SkinRect(rect.x(), rect.y(), textRect.x(), BottomOf(rect));
    if (!face.bitmap.isNull()) {
        painter.drawImage(Centred(area, face.bitmap.size()), face.bitmap);
        return;
    }
    const QRect piece = SkinnedMarkPiece(skin, state);
    if (!piece.isEmpty() && !MenuItemGlyph(face.glyphName)) {
        painter.drawImage(Centred(area, piece.size()), skin.itemPicture, piece);
        return;
    }
    const bool hot = state.testFlag(MenuItemState::Selected);
    const QColor glyph = skin.useImageColor ? (hot ? skin.activeImageColor : skin.imageColor) : text;
    DrawMark(painter, area, face, state, glyph);
}

void DrawSkinnedArrow(QPainter& painter, const QRect& rect, MenuItemStates state, const MenuSkin& skin,
                      const QColor& text)
{
    const QRect piece = state.testFlag(MenuItemState::Selected) ? skin.activeArrowRect : skin.arrowRect;
    if (piece.isEmpty()) {
        DrawArrowGlyph(painter, ArrowGlyph::Right, QRect(RightOf(rect) - kSkinArrowGap, rect.y(), 1, rect.height()), text);
        return;
    }
    const QRect end = SkinRect(RightOf(rect) - skin.itemRightOffset - piece.width(), rect.y(),
                               RightOf(rect) - skin.itemRightOffset, BottomOf(rect));
    painter.drawImage(Centred(end, piece.size()), skin.itemPicture, piece);
}

void PaintSkinnedItem(QPainter& painter, const QRect& rect, const MenuItemFace& face, MenuItemStates state,
                      const MenuSkin& skin)
{
    if (face.IsSeparator()) {
        DrawItemPiece(painter, rect, skin, skin.dividerRect, skin.dividerLeftOffset, skin.dividerRightOffset,
                      skin.dividerStretch);
        return;
    }
    const bool hot = state.testFlag(MenuItemState::Selected);
    DrawItemPiece(painter, rect, skin, hot ? skin.HotRect() : skin.NormalRect(), skin.itemLeftOffset,
                  skin.itemRightOffset, skin.itemStretch);
    const QColor text = SkinnedTextColor(skin, state);
    const QRect textRect = skin.TextRect(rect);
    DrawSkinnedImage(painter, rect, textRect, face, state, skin, text);
    DrawCaptionAndShortcut(painter, textRect, RightOf(rect) - kSkinShortcutGap, face, text);
    if (state.testFlag(MenuItemState::HasSubMenu))
        DrawSkinnedArrow(painter, rect, state, skin, text);
}

} // namespace

int MenuItemWidth(const MenuSkin& skin, int textWidth)
{
    if (!skin.Skinned())
        return textWidth + 2 + kMenuGutter + kPlainShortcutGap + 6;
    const QRect itemRect(QPoint(0, 0), QSize(skin.HotRect().width(), 1));
    const QRect textRect = skin.TextRect(itemRect);
    const int margins = textRect.x() + (RightOf(itemRect) - RightOf(textRect));
    return qMax(textWidth + 2 + margins + kSkinShortcutGap, skin.itemLeftOffset + skin.itemRightOffset + 1);
}

QImage BuildMenuBackground(const MenuSkin& skin, const QSize& size, qreal ratio)
{
    return skin.Skinned() ? SkinnedBackground(skin, size, ratio) : PlainBackground(size);
}

std::optional<QRegion> MenuWindowRegion(const MenuSkin& skin, const QSize& size)
{
    if (!skin.Skinned() || skin.maskPicture.isNull())
        return std::nullopt;
    const NinePieceGeometry& geometry = skin.windowGeometry;
    return BuildFramedRegion(skin.maskPicture, geometry, geometry.GrownTo(skin.maskPicture.size(), size), size.width());
}

void PaintMenuItem(QPainter& painter, const QRect& rect, const MenuItemFace& face, MenuItemStates state,
                   const MenuSkin& skin)
{
    if (skin.Skinned())
        PaintSkinnedItem(painter, rect, face, state, skin);
    else if (face.IsSeparator())
        PaintPlainSeparator(painter, rect);
    else
        PaintPlainItem(painter, rect, face, state);
}

void PaintScrollMarker(QPainter& painter, const QRect& rect, ArrowGlyph arrow, bool active, const MenuSkin& skin)
{
    QColor color;
    if (skin.Skinned()) {
        const QRect normal = skin.NormalRect();
        if (!normal.isEmpty()) {
            QImage piece;
            BuildHorizontalPieceImage(skin.itemLeftOffset, skin.itemRightOffset, piece,
                                      ScaledSkinPicture::For(painter, skin.itemPicture, skin.itemDoubleSize), normal,
                                      rect.width(), skin.itemStretch);
            painter.drawImage(rect, piece);
        }
        color = active ? skin.scrollMarkerActiveColor : skin.scrollMarkerColor;
    } else {
        color = SystemColor(active ? SkinColor::kButtonText : SkinColor::kButtonShadow);
    }
    DrawArrowGlyph(painter, arrow, rect, color);
}

std::optional<FrameGlyph> MenuItemGlyph(const QString& name)
{
    static const QList<std::pair<QString, FrameGlyph>> glyphs{
        {QStringLiteral("BSF_CLOSE"), FrameGlyph::Close},       {QStringLiteral("TRAY_BSF_CLOSE"), FrameGlyph::Close},
        {QStringLiteral("BSF_MINITEM"), FrameGlyph::Minimize},  {QStringLiteral("BSF_MAXITEM"), FrameGlyph::Maximize},
        {QStringLiteral("BSF_RESTORE"), FrameGlyph::Restore},   {QStringLiteral("TRAY_BSF_RESTORE"), FrameGlyph::Restore},
        {QStringLiteral("BSF_ROLLUP"), FrameGlyph::RollUp},     {QStringLiteral("BSF_MINTOTRAY"), FrameGlyph::ToTray},
    };
    for (const auto& [glyphName, glyph] : glyphs) {
        if (glyphName == name)
            return glyph;
    }
    return std::nullopt;
}
