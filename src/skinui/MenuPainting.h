#pragma once

#include "skinui/MenuSkin.h"
#include "skinui/SkinGlyphs.h"

#include <QFlags>
#include <QImage>
#include <QPainter>
#include <QRegion>
#include <QString>

#include <optional>

// Painting a popup menu level: its background, its items and its scroll markers, from the
// skin (MenuSkin) or in the plain look of system colours. The painters keep no state; the
// level passes each item's state as flags. Text goes in the painter's current font.

enum class MenuItemState {
    Selected = 0x01,     // highlighted, or showing its sub-menu
    Disabled = 0x02,
    HasSubMenu = 0x04,
    Checked = 0x08,
    RadioItem = 0x10,
};
Q_DECLARE_FLAGS(MenuItemStates, MenuItemState)
Q_DECLARE_OPERATORS_FOR_FLAGS(MenuItemStates)

// What an item shows.
struct MenuItemFace {
    QString caption;     // "&" marks the accelerator; "-" makes a separator
    QString shortcut;
    QImage bitmap;
    QString glyphName;   // the item's name, which may name a frame glyph ("BSF_CLOSE", ...)

    bool IsSeparator() const { return caption == QLatin1String("-"); }
};

// The plain look's strip left of the captions, without an image list.
constexpr int kMenuGutter = 19;

// The width an item takes to show text textWidth wide (caption plus shortcut) with room for
// the gutter or the skin's text margins and for a sub-menu arrow.
int MenuItemWidth(const MenuSkin& skin, int textWidth);

// The window behind the items at size: the skin's window picture grown with its corner points
// and items rectangle (from its double-size form at a ratio above 1), or the plain frame with
// its gutter.
QImage BuildMenuBackground(const MenuSkin& skin, const QSize& size, qreal ratio = 1);

// The window's shape from the skin's mask picture; none without one.
std::optional<QRegion> MenuWindowRegion(const MenuSkin& skin, const QSize& size);

void PaintMenuItem(QPainter& painter, const QRect& rect, const MenuItemFace& face, MenuItemStates state,
                   const MenuSkin& skin);

// A scroll marker: its arrow over the skin's normal item look, or over the plain background;
// active while it scrolls.
void PaintScrollMarker(QPainter& painter, const QRect& rect, ArrowGlyph arrow, bool active, const MenuSkin& skin);

// The frame glyph an item's name asks for.
std::optional<FrameGlyph> MenuItemGlyph(const QString& name);
