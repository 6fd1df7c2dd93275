// The client on the desktops players run it on: Wayland sessions with and without an X server,
// and notification areas that are hosts of items on the session bus.
#include "ClientWindows.h"
#include "TrayItemWatcher.h"
#include "app/WindowSystemChoice.h"
#include "support/PortalFixture.h"
#include "support/SessionBus.h"
#include "support/Wait.h"
#include "support/WestonSession.h"
#include "support/XvfbSession.h"

#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <optional>

namespace {

TEST(WindowSystemChoice, XWhereAWaylandSessionOffersItUnlessThePlayerChose)
{
    const struct {
        const char *platform, *display, *wayland, *chosen;
    } cases[] = {
        {"", ":0", "", ""},                            // an X session: the toolkit's own choice
        {"", ":1", "wayland-0", "xcb"},                // Wayland with an X server beside it
        {"", "", "wayland-0", "wayland"},              // Wayland alone
        {"wayland", ":1", "wayland-0", ""},            // the player's choice stands
        {"offscreen", "", "", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ChooseWindowSystem(c.platform, c.display, c.wayland), QByteArray(c.chosen))
            << c.platform << "|" << c.display << "|" << c.wayland;
}

// The real client in a session of the test's making, with a home of its own.
class ClientOnDesktop : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(home.isValid());
        environment.remove(QStringLiteral("KESTRUNE_ENGINE_LOG"));
        environment.remove(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"));
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.path());
        for (const char* variable : {"XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_CONFIG_HOME"})
            environment.insert(QLatin1String(variable), home.filePath(QLatin1String(variable)));
    }
    void TearDown() override
    {
        if (client.state() != QProcess::NotRunning) {
            client.terminate();
            client.waitForFinished(30000);
        }
    }
    void Start()
    {
        client.setProcessEnvironment(environment);
        client.start(QStringLiteral(KESTRUNE_DEV_CLIENT), {portal.BaseUrl()});
        ASSERT_TRUE(client.waitForStarted(10000));
    }
    bool PortalLoaded()
    {
        return WaitFor([&] { return portal.Server().CountRequests(QStringLiteral("/portal.css")) > 0; }, 60000);
    }
    // Ends the client as the desktop would and gives its standard error.
    QByteArray End()
    {
        client.terminate();
        EXPECT_TRUE(client.waitForFinished(30000));
        EXPECT_EQ(client.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(client.exitCode(), 0);
        return client.readAllStandardError();
    }

    QTemporaryDir home;
    PortalFixture portal;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    QProcess client;
};

// Natively on Wayland the client loads its portal and says nothing but that the desktop has
// no notification area: no window opacity it cannot set, no tray it cannot have.
TEST_F(ClientOnDesktop, NativelyOnWaylandItRunsQuietly)
{
    const WestonSession weston(WestonSession::X11::None);
    ASSERT_TRUE(weston.Ready()) << weston.Error().toStdString();
    weston.Apply(environment);
    Start();
    ASSERT_TRUE(PortalLoaded());
    EXPECT_EQ(End().toStdString(), "Cannot create shell notification icon\n");
}

// With an X server in the Wayland session the client takes it by itself; a platform the
// player names wins.
TEST_F(ClientOnDesktop, InAWaylandSessionWithAnXServerItTakesXUnlessToldOtherwise)
{
    const WestonSession weston(WestonSession::X11::Xwayland);
    ASSERT_TRUE(weston.Ready()) << weston.Error().toStdString();
    weston.Apply(environment);
    Start();
    EXPECT_TRUE(WaitFor([&] { return !XvfbSession::WindowsOn(weston.X11Display(), client.processId()).isEmpty(); },
                        60000))
        << "its window is an X window";
    End();

    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("wayland"));
    Start();
    ASSERT_TRUE(PortalLoaded());
    EXPECT_TRUE(XvfbSession::WindowsOn(weston.X11Display(), client.processId()).isEmpty());
}

// A notification host on the session bus: the item registers once, carries the client's
// name, its activation hides and shows the window, and its menu request opens the skinned
// menu where the host asked. A watcher that comes after the client still gets the item.
class ClientWithItemHost : public ClientOnDesktop {
protected:
    void SetUp() override
    {
        ClientOnDesktop::SetUp();
        ASSERT_TRUE(bus.Ready());
        display.emplace(XvfbSession::Tray::None, 20000, XvfbSession::Desktop::WindowManager);
        ASSERT_TRUE(display->Ready()) << display->Error().toStdString();
        display->Apply(environment);
        bus.Apply(environment);
    }

    SessionBus bus;
    std::optional<XvfbSession> display;
    TrayItemWatcher watcher{bus.Address()};
};

TEST_F(ClientWithItemHost, ActivationTogglesTheWindowAndTheMenuOpensWhereTheHostAsks)
{
    ASSERT_TRUE(watcher.Start());
    Start();
    const ClientWindows windows(*display, client);
    ASSERT_TRUE(PortalLoaded());
    ASSERT_TRUE(WaitFor([&] { return !windows.Shown().isEmpty() && !watcher.RegisteredStatusNotifierItems().isEmpty(); }));
    ASSERT_EQ(watcher.RegisteredStatusNotifierItems().size(), 1) << "one item, not the toolkit's beside it";
    const QString item = watcher.RegisteredStatusNotifierItems().first();
    EXPECT_EQ(watcher.ItemText(item, QStringLiteral("Title")), QStringLiteral("VostrelKestrune"));

    ASSERT_TRUE(watcher.CallItem(item, QStringLiteral("Activate"), {0, 0}));
    EXPECT_TRUE(WaitFor([&] { return windows.Shown().isEmpty(); })) << "hidden";
    ASSERT_TRUE(watcher.CallItem(item, QStringLiteral("Activate"), {0, 0}));
    EXPECT_TRUE(WaitFor([&] { return !windows.Shown().isEmpty(); })) << "and back";

    ASSERT_TRUE(watcher.CallItem(item, QStringLiteral("ContextMenu"), {600, 300}));
    ASSERT_TRUE(WaitFor([&] { return windows.Menu().has_value(); }));
    EXPECT_EQ(windows.Menu()->bounds.topLeft(), QPoint(600, 300));
    EXPECT_FALSE(End().contains("notification icon")) << "the host counts as a notification area";
}

TEST_F(ClientWithItemHost, AWatcherThatComesLaterGetsTheItem)
{
    Start();
    const ClientWindows windows(*display, client);
    ASSERT_TRUE(PortalLoaded());
    ASSERT_TRUE(WaitFor([&] { return !windows.Shown().isEmpty(); }));
    ASSERT_TRUE(watcher.Start());
    EXPECT_TRUE(WaitFor([&] { return watcher.RegisteredStatusNotifierItems().size() == 1; }));
}

}  // namespace
