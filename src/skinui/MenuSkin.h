#pragma once

#include <QImage>
#include <QMargins>
#include <QRect>

class TbsDataSkinMenuItem;
class TbsDataSkinPopupWindow;
class TbsSkinData;

// What a popup menu draws from a skin store: the [POPUPWINDOW] record with its window picture
// (and mask picture, when it names one) and the store's first menu-item object with its
// picture. A menu is skinned with both or not at all: a store that is empty, lacks either, or
// names pictures or rectangles outside its picture list gives the plain look.
//
// An item object whose normal rectangle is empty leaves normal items to the window picture
// and takes its item height from the hot rectangle.
struct MenuSkin {
    const TbsDataSkinPopupWindow* window = nullptr;
    const QImage* windowPicture = nullptr;
    const QImage* maskPicture = nullptr;
    const TbsDataSkinMenuItem* item = nullptr;
    const QImage* itemPicture = nullptr;

    static MenuSkin Of(const TbsSkinData* store);

    bool Skinned() const { return item != nullptr; }
    // The picture part of a normal item; empty when normal items show the window picture.
    QRect NormalRect() const;
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
