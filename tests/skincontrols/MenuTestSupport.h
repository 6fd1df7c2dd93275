#pragma once

#include "framework/TMenuItem.h"
#include "skincontrols/TbsSkinMenu.h"
#include "skincontrols/TbsSkinPopupMenu.h"
#include "skincontrols/TbsSkinPopupWindow.h"

#include <QImage>
#include <QStringList>
#include <QWidget>

class TbsSkinData;

// A crafted menu skin: a 30 x 30 window picture whose corners, sides and middle (the items
// rectangle 3,3,27,27) have colours of their own, and a menu-item object on a 40 x 24 picture
// with a normal row (0,0,40,10), a hot row (0,10,40,20) and a divider (0,20,40,24); every item
// row has two end columns in kItemEnd. Text starts 10 pixels into an item. Picture 2 is a
// mask with a 2 x 2 notch cut from each corner, unused unless maskpictureindex=2 is set.
namespace MenuSkinColors {
constexpr QRgb kCorner = 0xFFC80000;
constexpr QRgb kSide = 0xFF009600;
constexpr QRgb kMiddle = 0xFF0000C8;
constexpr QRgb kItemEnd = 0xFF505050;
constexpr QRgb kItemNormal = 0xFFF0E000;
constexpr QRgb kItemHot = 0xFF00E0F0;
constexpr QRgb kDivider = 0xFFE000F0;
}  // namespace MenuSkinColors

// The description lines of the crafted skin; tests change single keys of it.
QStringList MenuSkinDescription();
// Loads a description with the crafted pictures into store.
void LoadMenuSkin(TbsSkinData& store, const QStringList& description);

// An owner window that records the menu's messages and every key and wheel event it gets.
class MenuOwner : public QWidget {
public:
    QStringList messages;
    int keys = 0;
    int wheels = 0;

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
};

// A shown owner form, activated, with its TbsSkinMenu and a popup menu component. Items are
// added in the previewer's notation: "-" a separator, a leading "!" disabled, a trailing ">"
// one child item "Sub".
struct MenuHost {
    MenuOwner form;
    TbsSkinMenu* menu = nullptr;
    TbsSkinPopupMenu* popup = nullptr;

    MenuHost();
    TMenuItem* Add(const QString& notation, TMenuItem* parent = nullptr);
    void AddAll(const QStringList& notations) { for (const QString& notation : notations) Add(notation); }
    TbsSkinPopupWindow* Level(int index) const { return menu->Level(index); }
    // Opens the popup menu at a screen point, inside the work area by default.
    void Open(QPoint at = QPoint(-1, -1));
    // Clicks an item of a level as the pointer does.
    void Click(int level, int index);
    // The level painted into a picture of its own size.
    static QImage Picture(TbsSkinPopupWindow* level);
};

// The work area menus open in.
QRect MenuWorkArea();
