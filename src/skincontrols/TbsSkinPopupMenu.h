#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QRect>

class QWidget;
class TMenuItem;
class TbsSkinData;
class TbsSkinMenu;

// A popup menu component whose popup is a chain of skinned levels run by the TbsSkinMenu of
// a form: its own (SetSkinMenu), else the one of the owning form, else of the nearest window
// among its QObject ancestors. Without one reachable it shows nothing.
class TbsSkinPopupMenu : public QObject {
    Q_OBJECT
public:
    explicit TbsSkinPopupMenu(QObject* owner = nullptr);

    // The item tree; the menu shows the root's children.
    TMenuItem* Items() const { return items_; }

    // The store for the popup's look; unset, the form menu's store is taken (and kept here).
    TbsSkinData* SkinData() const;
    void SetSkinData(TbsSkinData* store);
    QWidget* OwnerForm() const { return ownerForm_.data(); }
    void SetOwnerForm(QWidget* form) { ownerForm_ = form; }
    TbsSkinMenu* SkinMenu() const { return skinMenu_.data(); }
    void SetSkinMenu(TbsSkinMenu* menu) { skinMenu_ = menu; }
    // The control the menu is for: it gets the menu's close and after-command events (the
    // menu's form when unset).
    QWidget* PopupComponent() const { return popupComponent_.data(); }
    void SetPopupComponent(QWidget* control) { popupComponent_ = control; }
    // The last point Popup opened at; (-1, -1) before the first.
    QPoint PopupPoint() const { return popupPoint_; }

    // Opens the menu at a screen point (the tray's right click): OnPopup first, then the
    // menu below and to the right of the point, or wherever the work area leaves room.
    void Popup(int X, int Y);
    // Opens the menu below a screen rectangle (a menu button), or above it with upward.
    void PopupFromRect(const QRect& rect, bool upward);

    // The form menu Popup would use now; nullptr for none.
    TbsSkinMenu* FindSkinMenu() const;

Q_SIGNALS:
    void OnPopup(QObject* Sender);
    void OnMenuClose(QObject* Sender);

private:
    void Open(const QRect& anchor, bool upward);

    TMenuItem* items_;
    QPointer<TbsSkinData> skinData_;
    QPointer<QWidget> ownerForm_;
    QPointer<TbsSkinMenu> skinMenu_;
    QPointer<QWidget> popupComponent_;
    QPoint popupPoint_{-1, -1};
};
