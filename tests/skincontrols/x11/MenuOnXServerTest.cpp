// The menu on a real X server with a window manager: the popups never take the focus from
// their owner, keys come through the owner's window, and a press outside the application or
// another program's activation closes the menu.
#include "support/Wait.h"
#include "MenuTestSupport.h"

#include "skinui/TbsPlatformCaps.h"

#include <QGuiApplication>
#include <QProcess>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// Runs xdotool on the test display; its standard output.
QString XDo(const QStringList& arguments)
{
    QProcess xdotool;
    xdotool.start(QStringLiteral("xdotool"), arguments);
    EXPECT_TRUE(xdotool.waitForFinished(10000)) << arguments.join(u' ').toStdString();
    EXPECT_EQ(xdotool.exitCode(), 0) << arguments.join(u' ').toStdString();
    return QString::fromLatin1(xdotool.readAllStandardOutput()).trimmed();
}

// An owner the window manager has made the active window, as the tray does before it opens
// its menu, with a two-item menu open.
struct OpenMenu : MenuHost {
    TMenuItem* first;
    int clicks = 0;

    OpenMenu()
    {
        XDo({QStringLiteral("windowactivate"), QStringLiteral("--sync"), QString::number(form.winId())});
        EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
        first = Add(QStringLiteral("清理缓存"));
        Add(QStringLiteral("退出"));
        QObject::connect(first, &TMenuItem::OnClick, first, [this] { ++clicks; });
        Open();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(Level(0)));
    }
};

TEST(MenuOnXServer, TheOwnerKeepsTheFocusAndAPressOutsideTheApplicationClosesTheMenu)
{
    OpenMenu host;
    // The window manager's view, asked after the level is on screen.
    EXPECT_EQ(XDo({QStringLiteral("getactivewindow")}).toULongLong(), host.form.winId());
    EXPECT_TRUE(host.form.isActiveWindow());
    EXPECT_EQ(QGuiApplication::focusWindow(), host.form.windowHandle());

    XDo({QStringLiteral("key"), QStringLiteral("Down")});
    EXPECT_TRUE(WaitFor([&] { return host.Level(0)->Selected() == 1; }, 5000));
    EXPECT_EQ(host.form.keys, 0);

    // The bare desktop, far from the menu and its owner.
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    XDo({QStringLiteral("mousemove"), QString::number(screen.right() - 20), QString::number(screen.bottom() - 20),
         QStringLiteral("click"), QStringLiteral("1")});
    EXPECT_TRUE(WaitFor([&] { return !host.menu->Visible(); }, 5000));
    EXPECT_EQ(host.clicks, 0);
    EXPECT_EQ(host.form.messages, QStringList{"1228"});

    XDo({QStringLiteral("key"), QStringLiteral("a")});
    EXPECT_TRUE(WaitFor([&] { return host.form.keys == 1; }, 5000));
}

TEST(MenuOnXServer, AnotherProgramsActivationClosesTheMenu)
{
    QProcess other;
    const QString name = QStringLiteral("kestrune-other-program");
    other.start(QStringLiteral("xmessage"), {QStringLiteral("-name"), name, QStringLiteral("-geometry"),
                                             QStringLiteral("+900+600"), QStringLiteral("another program")});
    ASSERT_TRUE(other.waitForStarted(10000));
    const QString window = XDo({QStringLiteral("search"), QStringLiteral("--sync"), QStringLiteral("--classname"), name})
                               .section(u'\n', 0, 0);
    OpenMenu host;
    ASSERT_TRUE(host.menu->Visible());
    XDo({QStringLiteral("windowactivate"), window});
    EXPECT_TRUE(WaitFor([&] { return !host.menu->Visible(); }, 5000));
    EXPECT_EQ(host.clicks, 0);
    other.kill();
    other.waitForFinished(5000);
}

// With its owner hidden (the tray's menu while the window is in the tray) no window of the
// client has the keyboard: the menu takes it while open, and lets it go as it closes.
TEST(MenuOnXServer, WithItsOwnerHiddenTheMenuTakesTheKeyboardWhileOpen)
{
    for (const char* key : {"Escape", "Return"}) {
        SCOPED_TRACE(key);
        MenuHost host;
        host.form.hide();
        ASSERT_TRUE(WaitFor([] { return !QGuiApplication::focusWindow(); }, 5000));
        host.Add(QStringLiteral("清理缓存"));
        TMenuItem* exit = host.Add(QStringLiteral("退出"));
        int chosen = 0;
        QObject::connect(exit, &TMenuItem::OnClick, exit, [&] { ++chosen; });
        host.Open();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(host.Level(0)));
        XDo({QStringLiteral("key"), QStringLiteral("Down")});
        EXPECT_TRUE(WaitFor([&] { return host.Level(0) && host.Level(0)->Selected() == 1; }, 5000));
        XDo({QStringLiteral("key"), QLatin1String(key)});
        EXPECT_TRUE(WaitFor([&] { return !host.menu->Visible(); }, 5000));
        EXPECT_EQ(chosen, QLatin1String(key) == QLatin1String("Return") ? 1 : 0);
        // The keyboard is given back: the owner, shown again, has its keys.
        host.form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&host.form));
        XDo({QStringLiteral("windowactivate"), QStringLiteral("--sync"), QString::number(host.form.winId())});
        ASSERT_TRUE(QTest::qWaitForWindowActive(&host.form));
        XDo({QStringLiteral("key"), QStringLiteral("a")});
        EXPECT_TRUE(WaitFor([&] { return host.form.keys == 1; }, 5000));
    }
}

TEST(MenuOnXServer, TheFadeRisesToTheMenuAlphaWhereLayeredWindowsWork)
{
    MenuHost host;
    host.Add(QStringLiteral("退出"));
    host.menu->SetAlphaBlend(true);
    host.menu->SetAlphaBlendAnimation(true);
    host.menu->SetAlphaBlendValue(200);
    host.Open();
    TbsSkinPopupWindow* level = host.Level(0);
    const qreal target = PlatformCaps().layeredWindows ? 200 / 255.0 : 1.0;
    if (PlatformCaps().layeredWindows) {
        EXPECT_LT(level->windowOpacity(), target);
    }
    EXPECT_TRUE(WaitFor([&] { return qAbs(level->windowOpacity() - target) < 0.01; }, 5000));
}

}  // namespace
