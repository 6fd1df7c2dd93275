#pragma once

#include "skinui/NinePieceImage.h"
#include "skinui/PlainTabPainting.h"
#include "skinui/ScaledSkinPicture.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QRect>
#include <QString>

class TbsDataSkinTabControl;
class TbsSkinData;

// What a page control draws with, copied from its "tab" skin object: the page frame (skin and
// client rectangles with corner points and stretch settings), the tab pictures per state, the
// strip and page backgrounds, fonts, the arrows' object name and the close-button pictures.
// Rectangles are in the skin picture; corner points and the client rectangle relative to the
// skin rectangle.
class TabControlSkin {
public:
    // The fields of object, a tab-control object of store; an invalid skin (the plain look)
    // for no object.
    static TabControlSkin Read(const TbsSkinData& store, const TbsDataSkinTabControl* object);

    bool valid = false;
    QImage picture;
    QImage doubleSize;  // the picture's double-size form; null for none
    QImage background;  // the picture of "bgpictureindex"; null for none
    QImage backgroundDoubleSize;
    QRect skinRect;
    NinePieceGeometry geometry;
    NinePieceOptions options;
    MiddleStretchType stretchType = MiddleStretchType::Whole;
    QRect tabRect;
    QRect activeTabRect;   // the normal one when the skin leaves it empty
    QRect focusedTabRect;  // the active one when the skin leaves it empty
    QRect mouseInTabRect;
    QRect tabsBgRect;
    int tabLeftOffset = 0;
    int tabRightOffset = 0;
    bool tabStretch = false;
    QFont font;
    QColor fontColor;
    QColor activeFontColor;
    QColor focusedFontColor;
    QColor mouseInFontColor;
    QString upDownName;
    bool showFocus = false;
    int focusOffsetX = 0;
    int focusOffsetY = 0;
    QRect closeRect;
    QRect closeHotRect;      // the normal one when empty
    QRect closePressedRect;  // the hot one when empty
    bool closeTransparent = false;
    QColor closeTransparentColor;

    // The part of the picture a tab in that state shows: mouse-in (hot, not active, when the
    // skin has one), focused (active in a focused control), normal (not active), active.
    QRect TabSource(TabPaintState state) const;
    // The caption colour, chosen by the same tests.
    QColor TabFontColor(TabPaintState state) const;
    // How much taller the active tab is than the others (0 when it is not).
    int ActiveRise() const;
    // The skin's frame widths around the page area: left, top, right, bottom.
    QMargins FrameMargins() const;
    // The picture, or the background picture, as painter draws it.
    ScaledSkinPicture Picture(const QPainter& painter) const;
    ScaledSkinPicture Background(const QPainter& painter) const;
};
