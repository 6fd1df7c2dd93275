#pragma once

#include "skinui/NinePieceImage.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QMargins>
#include <QRect>

class TbsSkinData;

// What a popup menu draws with, copied from a skin store when a level opens: the [POPUPWINDOW]
// record with its window picture (and mask picture, when it names one) and the store's first
// menu-item object with its picture. A menu is skinned with both or not at all: a store that
// is empty, lacks either, or names pictures or rectangles outside its picture list gives the
// plain look. The value keeps nothing of the store, so a load while a level is open cannot
// pull anything from under it.
//
// An item object whose normal rectangle is empty leaves normal items to the window picture
// and takes its item height from the hot rectangle.
struct MenuSkin {
    bool skinned = false;

    QImage windowPicture;
    QImage windowDoubleSize;  // its double-size form; null for none
    QImage maskPicture;  // null for none, or one of another size than the window picture
    QRect itemsRect;
    NinePieceGeometry windowGeometry;  // corner points around the items rectangle
    NinePieceOptions windowOptions;
    MiddleStretchType windowStretch = MiddleStretchType::Whole;
    QColor scrollMarkerColor;
    QColor scrollMarkerActiveColor;

    QImage itemPicture;
    QImage itemDoubleSize;  // its double-size form; null for none
    QFont itemFont;
    QRect normalRect;
    QRect activeRect;
    QRect dividerRect;
    int dividerLeftOffset = 0;
    int dividerRightOffset = 0;
    bool dividerStretch = false;
    int itemLeftOffset = 0;
    int itemRightOffset = 0;
    bool itemStretch = false;
    QRect textRect;
    QRect imageRect;
    QColor fontColor;
    QColor activeFontColor;
    QColor disabledFontColor;
    bool useImageColor = false;
    QColor imageColor;
    QColor activeImageColor;
    QRect checkRect;
    QRect activeCheckRect;
    QRect radioRect;
    QRect activeRadioRect;
    QRect arrowRect;
    QRect activeArrowRect;

    static MenuSkin Of(const TbsSkinData* store);

    bool Skinned() const { return skinned; }
    // The picture part of a normal item; empty when normal items show the window picture.
    QRect NormalRect() const { return normalRect; }
    // The picture part of a selected item: the hot rectangle, else the normal one.
    QRect HotRect() const;
    int ItemHeight() const;
    // The divider's height; 0 when the object has no divider.
    int SeparatorHeight() const;
    // How far the items rectangle lies inside the window picture on each side.
    QMargins ItemsMargins() const;
    // The text rectangle of an item placed at itemRect (the object's text rectangle grown with
    // the item's width), or the item itself when the object names none.
    QRect TextRect(const QRect& itemRect) const;
    // The image rectangle of an item placed at itemRect; empty when the object names none.
    QRect ImageRect(const QRect& itemRect) const;
};
