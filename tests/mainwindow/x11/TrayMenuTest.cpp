#include "support/MainWindowFixture.h"

#include "framework/TMenuItem.h"
#include "skincontrols/TbsSkinMenu.h"
#include "skincontrols/TbsSkinMenuItem.h"
#include "skincontrols/TbsSkinPopupWindow.h"
#include "skinframe/TbsSkinFrame.h"

#include <QGuiApplication>
#include <QSignalSpy>
#include <functional>

namespace {

// The window's answers to its tray icon; the icon's double click and menu request come from
// the fixture's icon (the process tests click a real one).
class TrayMenu : public MainWindowFixture {
protected:
    TbsSkinMenu& Menus() const { return *form->bsSkinFrame1->SkinMenu(); }
    void AskForMenu() { Q_EMIT tray.OnContextMenu(QPoint(1270, 790)); }
    // The captions of the open menu's items, the highlighted one marked with "*".
    QStringList Shown() const
    {
        QStringList shown;
        const TbsSkinPopupWindow* level = Menus().Visible() ? Menus().Level(0) : nullptr;
        for (int i = 0; level && i < level->ItemCount(); ++i)
            shown << (i == level->Selected() ? QStringLiteral("*") : QString()) + level->Item(i).MenuItem()->Caption();
        return shown;
    }
    bool Active() { return WaitFor([&] { return form->isActiveWindow(); }); }
};

// The double click hides a window that is on the screen, minimized ones too, and brings a
// hidden one back as it was: not minimized, with its maximized bounds. (That it comes in
// front needs the time of a real click: the process test clicks.)
TEST_F(TrayMenu, TheDoubleClickHidesTheWindowOrBringsItBack)
{
    const QRect maximized = form->geometry();
    const struct {
        const char* from;
        std::function<void(QWidget&)> put;
    } cases[] = {
        {"shown", [](QWidget&) {}},
        {"minimized", [](QWidget& window) { window.showMinimized(); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.from);
        c.put(*form);
        Q_EMIT tray.OnDblClick(&tray);
        EXPECT_FALSE(form->isVisible());

        Q_EMIT tray.OnDblClick(&tray);
        EXPECT_TRUE(form->isVisible());
        EXPECT_FALSE(form->isMinimized());
        EXPECT_EQ(form->geometry(), maximized);
        EXPECT_EQ(form->Tag(), 1);
    }
}

// The menu is the window frame's, with "清理缓存" highlighted as it opens, whether the window
// is in front, behind another window or hidden; the frame's menu closes when the window's
// activation or the client's focus changes, so the menu waits for the window manager's answer
// rather than opening to be closed at once.
TEST_F(TrayMenu, OpensHighlightingTheFirstItemAndOutlastsTheWindowManagersAnswer)
{
    ASSERT_TRUE(Active());
    QWidget other;
    const struct {
        const char* window;
        std::function<void()> put;
        std::function<bool()> answered;  // the window manager's answer to what the menu did
    } cases[] = {
        {"in front", [] {}, [] { return true; }},
        {"behind another window",
         [&] {
             other.show();
             other.activateWindow();
             ASSERT_TRUE(WaitFor([&] { return other.isActiveWindow(); }));
         },
         [&] { return form->isActiveWindow(); }},
        // Hidden, the window loses the focus; the menu then takes the keyboard itself.
        {"hidden just now", [&] { form->hide(); }, [&] { return !form->isActiveWindow(); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.window);
        c.put();
        AskForMenu();
        ASSERT_TRUE(WaitFor(c.answered));
        EXPECT_TRUE(WaitFor([&] { return Menus().Visible(); }));
        EXPECT_EQ(Shown(), QStringList({QStringLiteral("*清理缓存"), QStringLiteral("静音"), QStringLiteral("退出")}));
        Menus().CloseAll();
        other.hide();
        form->show();
        form->activateWindow();
        ASSERT_TRUE(Active());
    }
}

// "退出" closes the menu and then the window, which ends the client, hidden or not.
TEST_F(TrayMenu, ExitClosesTheMenuFirstAndThenTheWindow)
{
    for (const bool hidden : {true, false}) {
        SCOPED_TRACE(hidden ? "hidden" : "shown");
        if (hidden)
            form->hide();
        bool menuGone = false;
        QSignalSpy closed(form.get(), &TFormMain::Closed);
        const auto watch = QObject::connect(form.get(), &TFormMain::Closed, [&] { menuGone = !Menus().Visible(); });
        AskForMenu();
        ASSERT_TRUE(WaitFor([&] { return Menus().Visible(); }));
        Menus().ChooseItem(0, 2);
        EXPECT_EQ(closed.count(), 1);
        EXPECT_TRUE(menuGone);
        EXPECT_FALSE(form->isVisible());
        QObject::disconnect(watch);
        // Back on the screen and in front before the next case asks for the menu: the focus
        // the menu took while the window was hidden has come back by then.
        form->show();
        form->activateWindow();
        ASSERT_TRUE(Active());
    }
}

}  // namespace
