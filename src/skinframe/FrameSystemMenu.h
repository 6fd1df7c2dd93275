#pragma once

#include "skinframe/SystemMenuItems.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QRect>

#include <functional>

class QWidget;
class TMenuItem;
class TbsSkinMenu;

// A form's system menu: built afresh for the window state each time it opens, shown as a
// skinned popup through the form's TbsSkinMenu, at the pointer (a right press on the caption)
// or below the system-menu button. While the menu the button opened is up, a second press on
// the button within the double-click time closes the menu and asks for the form's close.
class FrameSystemMenu : public QObject {
    Q_OBJECT
public:
    // items: the menu for the state now; run: runs a chosen item's command.
    FrameSystemMenu(QWidget* form, TbsSkinMenu& menu, std::function<QList<SystemMenuItem>()> items,
                    std::function<void(SystemMenuCommand)> run, QObject* parent = nullptr);
    ~FrameSystemMenu() override;

    // The items as last built.
    TMenuItem* Items() const { return items_; }
    // Opens the menu at a point on the screen.
    void ShowAt(const QPoint& global);
    // Opens the menu below the button (form coordinates), watching the button.
    void OpenBelow(const QRect& button);
    // The skinned menu has closed: the button is no longer watched.
    void Closed();

private:
    void Rebuild();
    bool WatchButton(QObject* watched, QEvent* event);

    QPointer<QWidget> form_;
    TbsSkinMenu& menu_;
    std::function<QList<SystemMenuItem>()> build_;
    std::function<void(SystemMenuCommand)> run_;
    TMenuItem* items_;
    // Sees the application's presses while the menu the button opened is up; an object of its
    // own, as the frame already filters the form's events.
    QObject* buttonWatch_ = nullptr;
    QRect button_;  // the system-menu button on the screen, while watched
    QElapsedTimer opened_;
};
