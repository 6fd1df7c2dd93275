#pragma once

#include <QFont>
#include <QList>
#include <QMetaObject>
#include <QObject>
#include <QPointer>
#include <QRect>

#include "skincontrols/TbsSkinPopupWindow.h"

#include <functional>

class QKeyEvent;
class QMouseEvent;
class QWidget;
class TMenuItem;
class TTimer;
class TbsSkinData;

// The skinned popup menus of one form: the chain of open levels (level 0 first), the sub-menu
// wait, and the menu mode. One belongs to each form frame, which hands it its menu settings;
// the tray menu, the frame's system menu and menu buttons all open through it.
//
// While a menu is open the application is in menu mode: an application-wide event filter
// takes every key press to the last level (so no key reaches the owner window) and discards
// wheel events, and a press anywhere outside the levels closes the menu without a choice, as
// do the application's deactivation and a new skin load. Every way of closing ends menu mode.
//
// The owner control given when opening receives the event CloseSkinMenuMessage when the menu
// closes (the form too, when it is another object), and the event AfterDispatchMessage after
// a chosen item's command has run. A chosen item closes the menu before its OnClick runs.
class TbsSkinMenu : public QObject {
    Q_OBJECT
public:
    static constexpr int CloseSkinMenuMessage = 1228;
    static constexpr int AfterDispatchMessage = 1229;
    static constexpr int kWaitInterval = 500;

    // form: the window whose frame the menu belongs to; the menu is found through it.
    explicit TbsSkinMenu(QWidget* form, QObject* parent = nullptr);
    ~TbsSkinMenu() override;

    // The menu of a form: one of its descendants whose Form() is that form; nullptr for none.
    static TbsSkinMenu* OfForm(const QWidget* form);

    QWidget* Form() const { return form_.data(); }

    // Settings the frame hands over.
    int MaxMenuItemsInWindow() const { return maxMenuItemsInWindow_; }
    void SetMaxMenuItemsInWindow(int count) { maxMenuItemsInWindow_ = qMax(0, count); }
    bool UseSkinFont() const { return useSkinFont_; }
    void SetUseSkinFont(bool use) { useSkinFont_ = use; }
    bool AlphaBlend() const { return alphaBlend_; }
    void SetAlphaBlend(bool blend) { alphaBlend_ = blend; }
    bool AlphaBlendAnimation() const { return alphaBlendAnimation_; }
    void SetAlphaBlendAnimation(bool animate) { alphaBlendAnimation_ = animate; }
    int AlphaBlendValue() const { return alphaBlendValue_; }
    void SetAlphaBlendValue(int value) { alphaBlendValue_ = qBound(0, value, 255); }
    int DefaultItemHeight() const { return defaultItemHeight_; }
    void SetDefaultItemHeight(int height) { defaultItemHeight_ = qMax(1, height); }
    QFont DefaultItemFont() const { return defaultItemFont_; }
    void SetDefaultItemFont(const QFont& font) { defaultItemFont_ = font; }
    // The store the frame offers menus that name none of their own.
    TbsSkinData* FrameSkinData() const;
    void SetFrameSkinData(TbsSkinData* store);

    // The menu open now.
    bool Visible() const { return visible_; }
    TbsSkinData* SkinData() const;
    QRect WorkArea() const { return workArea_; }
    int LevelCount() const { return int(levels_.size()); }
    // nullptr outside 0..LevelCount() - 1.
    TbsSkinPopupWindow* Level(int index) const;

    // Called once when the menu now open closes, then cleared.
    std::function<void()> OnMenuClose;

    // Opens the children of item from firstIndex on for control, drawn from store (nullptr:
    // plain), below anchor (a screen rectangle; above it with upward) or beside it where
    // there is no room, within the work area of the screen under anchor. Closes a menu that
    // is open first. Opens nothing, and stays out of menu mode, when item shows no child from
    // firstIndex on; returns whether it opened.
    bool Popup(QWidget* control, TbsSkinData* store, bool upward, TMenuItem* item, const QRect& anchor,
               int firstIndex = 0);
    // The same at a screen point: the tray menu's way.
    bool PopupAt(QWidget* control, TbsSkinData* store, TMenuItem* item, const QPoint& point);

    // Closes the levels from level on; from level 0 that is the whole menu (CloseAll).
    void CloseFrom(int level);
    // Closes every level without a choice and leaves menu mode; the owner control and the
    // form get CloseSkinMenuMessage, then OnMenuClose runs.
    void CloseAll();
    // Opens the sub-menu of an item of a level at once, its first item highlighted.
    void OpenSubMenu(int level, int index, bool byKeyboard);
    // Chooses an item of a level as a click or Enter does: an item with a sub-menu runs its
    // command and opens the sub-menu; any other closes the menu, then runs its command
    // (OnClick), then the owner control gets AfterDispatchMessage.
    void ChooseItem(int level, int index);


Q_SIGNALS:
    void OnSkinMenuOpen(QObject* Sender);
    void OnSkinMenuClose(QObject* Sender);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool FilterEvent(QEvent* event);
    // A level's selection changed: deeper levels close and an item with a sub-menu starts
    // the wait after which its sub-menu opens.
    void ItemSelected(int depth, int index);
    void EnterMenuMode();
    void LeaveMenuMode();
    void DismissLevels(int from);
    void OpenLevel(TMenuItem& item, const QRect& anchor, bool upward, int firstIndex);
    bool FilterMouse(QMouseEvent* event);
    void KeyDown(const QKeyEvent& event);
    int LevelAt(const QPoint& global) const;
    int IndexOfLevel(const TbsSkinPopupWindow* level) const;
    void WaitElapsed();
    static void SendMessage(QObject* receiver, int message);

    QPointer<QWidget> form_;
    int maxMenuItemsInWindow_ = 0;
    bool useSkinFont_ = true;
    bool alphaBlend_ = false;
    bool alphaBlendAnimation_ = false;
    int alphaBlendValue_ = 150;
    int defaultItemHeight_ = 20;
    QFont defaultItemFont_;
    QPointer<TbsSkinData> frameSkinData_;

    bool visible_ = false;
    bool inMenuMode_ = false;
    bool firstShow_ = false;
    QPointer<TbsSkinData> store_;
    // What the levels of the menu open now are built with; the skin is copied when it opens.
    PopupLevelSettings levelSettings_;
    QMetaObject::Connection storeWatch_;
    QPointer<QWidget> owner_;
    QRect workArea_;
    QList<QPointer<TbsSkinPopupWindow>> levels_;
    QPointer<TbsSkinPopupWindow> waitingLevel_;
    int waitingIndex_ = -1;
    TTimer* waitTimer_;
};
