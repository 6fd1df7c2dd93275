#include "ClientWindows.h"
#include "support/PortalFixture.h"
#include "support/Wait.h"
#include "support/XvfbSession.h"

#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <optional>

namespace {

// The real client on a desktop of its own, its tray icon and menu clicked with real pointer
// events.
class TrayOnDesktop : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(home.isValid());
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.path());
        for (const char* variable : {"XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_CONFIG_HOME"})
            environment.insert(QLatin1String(variable), home.filePath(QLatin1String(variable)));
    }
    void TearDown() override
    {
        for (const auto& client : clients) {
            client->terminate();
            client->waitForFinished(30000);
        }
    }

    void OpenDisplay(XvfbSession::Tray tray, XvfbSession::Desktop desktop)
    {
        display.emplace(tray, 20000, desktop);
        ASSERT_TRUE(display->Ready()) << display->Error().toStdString();
        display->Apply(environment);
    }

    // The client for the demo portal, or for the portal at the demo's page start.
    QProcess& Start(const QString& start = QString())
    {
        auto& client = *clients.emplace_back(std::make_unique<QProcess>());
        client.setProcessEnvironment(environment);
        client.start(QStringLiteral(KESTRUNE_DEV_CLIENT), {portal.Url(start)});
        EXPECT_TRUE(client.waitForStarted(10000));
        return client;
    }

    QTemporaryDir home;
    PortalFixture portal;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    std::optional<XvfbSession> display;
    std::vector<std::unique_ptr<QProcess>> clients;
};

// Started on a desktop without a notification area, the client says so and comes up; once
// one starts, and again when it starts over, the icon is there by itself and opens the menu.
// (No window manager: one would keep the window, which covers the whole screen, above the
// late notification area.)
TEST_F(TrayOnDesktop, TheIconAppearsWhenANotificationAreaStartsLater)
{
    OpenDisplay(XvfbSession::Tray::None, XvfbSession::Desktop::Bare);
    QProcess& client = Start();
    client.setReadChannel(QProcess::StandardError);
    const ClientWindows windows(*display, client);
    ASSERT_TRUE(WaitFor([&] { return portal.Server().CountRequests(QStringLiteral("/portal.css")) > 0; }, 60000));
    ASSERT_TRUE(WaitFor([&] { return !windows.Shown().isEmpty(); }));
    ASSERT_TRUE(WaitFor([&] { return client.peek(4096).contains("Cannot create shell notification icon"); }));

    EXPECT_FALSE(windows.TrayIcon());
    ASSERT_TRUE(display->StartTray()) << display->Error().toStdString();
    ASSERT_TRUE(WaitFor([&] { return windows.TrayIcon().has_value(); })) << "the icon came by itself";
    display->StopTray();
    ASSERT_TRUE(WaitFor([&] { return !windows.TrayIcon(); }));
    ASSERT_TRUE(display->StartTray()) << display->Error().toStdString();
    ASSERT_TRUE(WaitFor([&] { return windows.TrayIcon().has_value(); })) << "and came back";
    EXPECT_TRUE(windows.OpenTrayMenu()) << "and opens the menu";
}

// Hidden in the tray, the client stays the only one: a second start ends at once with code
// 0 and shows nothing. A dialog opened from the tray's menu and closed again leaves it
// running and hidden; the icon's double click brings the window back as it was.
TEST_F(TrayOnDesktop, HiddenInTheTrayItStaysTheOnlyClientAndKeepsRunning)
{
    OpenDisplay(XvfbSession::Tray::Trayer, XvfbSession::Desktop::WindowManager);
    QProcess& first = Start();
    const ClientWindows windows(*display, first);
    // The home page in: the window is fully built (its first frame, when the browser comes,
    // replaces the window on the display once).
    ASSERT_TRUE(WaitFor([&] { return portal.Server().CountRequests(QStringLiteral("/portal.css")) > 0; }, 60000));
    ASSERT_TRUE(WaitFor([&] { return windows.TrayIcon() && !windows.Shown().isEmpty(); }));
    const QRect bounds = windows.Shown().first().bounds;

    ASSERT_TRUE(windows.DoubleClickTrayIcon());
    ASSERT_TRUE(WaitFor([&] { return windows.Shown().isEmpty(); })) << "the double click hid the window";

    QProcess& second = Start();
    ASSERT_TRUE(second.waitForFinished(30000));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_TRUE(windows.Shown().isEmpty()) << "nothing came forward";

    // "清理缓存" asks first; the question turned down with Escape.
    const auto menu = windows.OpenTrayMenu();
    ASSERT_TRUE(menu);
    ASSERT_TRUE(windows.ChooseItem(*menu, 0, 3));
    ASSERT_TRUE(WaitFor([&] { return windows.Shown().size() == 1; })) << "the confirmation box";
    const quint32 box = windows.Shown().first().id;
    ASSERT_TRUE(WaitFor([&] { return display->ActiveWindow() == box; }));
    ASSERT_TRUE(display->PressKey(QStringLiteral("Escape")));
    ASSERT_TRUE(WaitFor([&] { return windows.Shown().isEmpty(); }));

    ASSERT_TRUE(windows.DoubleClickTrayIcon()) << "the client still runs: its icon is there";
    ASSERT_TRUE(WaitFor([&] { return !windows.Shown().isEmpty(); })) << "and the window comes back";
    EXPECT_EQ(windows.Shown().first().bounds, bounds);
    EXPECT_TRUE(WaitFor([&] { return display->ActiveWindow() == windows.Shown().first().id; })) << "in front";
    EXPECT_EQ(first.state(), QProcess::Running);
}

// While a page's box waits for its answer, the tray is the player's: its double click brings
// the box forward, its menu opens, "清理缓存" asks nothing more, and "退出" ends the client
// with exit code 0, its login kept for the next start; so does the system's request to end.
TEST_F(TrayOnDesktop, WhileAPageBoxWaitsTheClientStillEndsCleanly)
{
    OpenDisplay(XvfbSession::Tray::Trayer, XvfbSession::Desktop::WindowManager);
    const QString welcome = QStringLiteral("login/welcome/");  // logs in, then greets with a box
    QProcess& first = Start(welcome);
    const ClientWindows windows(*display, first);
    ASSERT_TRUE(WaitFor([&] { return windows.TrayIcon() && windows.Shown().size() == 2; }, 60000)) << "the window and its box";
    const QList<XvfbSession::Window> shown = windows.Shown();
    const bool boxFirst = shown.at(0).bounds.width() < shown.at(1).bounds.width();
    const quint32 box = shown.at(boxFirst ? 0 : 1).id;
    const quint32 main = shown.at(boxFirst ? 1 : 0).id;

    display->RunOnDisplay(QStringLiteral("xdotool"), {QStringLiteral("windowactivate"), QString::number(main)});
    ASSERT_TRUE(windows.DoubleClickTrayIcon());
    EXPECT_TRUE(WaitFor([&] { return display->ActiveWindow() == box; })) << "the box in front";

    const auto menu = windows.OpenTrayMenu();
    ASSERT_TRUE(menu) << "the menu opens";
    ASSERT_TRUE(windows.ChooseItem(*menu, 0, 3));
    EXPECT_FALSE(WaitFor([&] { return windows.Shown().size() > 2; }, 1000)) << "no question about the cache on top";
    ASSERT_TRUE(windows.Menu()) << "a disabled item leaves the menu open";
    ASSERT_TRUE(windows.ChooseItem(*menu, 2, 3));
    ASSERT_TRUE(first.waitForFinished(30000));
    EXPECT_EQ(first.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(first.exitCode(), 0);

    QProcess& second = Start(welcome);
    const ClientWindows again(*display, second);
    ASSERT_TRUE(WaitFor([&] { return again.Shown().size() == 2; }, 60000));
    EXPECT_EQ(portal.Server().CookieOf(QLatin1Char('/') + welcome), "player=kestrune") << "the login kept";
    second.terminate();
    ASSERT_TRUE(second.waitForFinished(30000));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
}

}  // namespace
