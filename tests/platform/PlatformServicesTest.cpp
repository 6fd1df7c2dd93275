#include "platform/DefaultBrowser.h"
#include "platform/InstanceGuard.h"
#include "platform/ScreenWindowManager.h"
#include "platform/SystemNotificationIcon.h"
#include "platform/TempDirectory.h"
#include "platform/TerminationSignals.h"

#include <QFileInfo>
#include <QSignalSpy>
#include <QTest>
#include <QSystemTrayIcon>
#include <QUuid>
#include <QWidget>
#include <gtest/gtest.h>
#include <csignal>
#include <sys/stat.h>

namespace {

TEST(InstanceGuardLock, ASecondHolderIsRefusedUntilTheFirstLetsGo)
{
    const QString name = QStringLiteral("KestruneTest-") + QUuid::createUuid().toString(QUuid::Id128);
    std::unique_ptr<InstanceGuard> first, second;
    ASSERT_EQ(InstanceGuard::Acquire(name, first), InstanceGuard::Outcome::Acquired);
    EXPECT_EQ(InstanceGuard::Acquire(name, second), InstanceGuard::Outcome::HeldElsewhere);
    EXPECT_EQ(second, nullptr);
    first->Release();
    first->Release();  // a second release does nothing
    EXPECT_EQ(InstanceGuard::Acquire(name, second), InstanceGuard::Outcome::Acquired);
}

TEST(TemporaryDirectory, IsPrivateAndEndsInASeparator)
{
    const QString directory = GetTempDirectory();
    ASSERT_FALSE(directory.isEmpty());
    EXPECT_TRUE(directory.endsWith(QLatin1Char('/')));
    EXPECT_LT(directory.size(), 255);
    struct stat info {};
    ASSERT_EQ(lstat(directory.toLocal8Bit().constData(), &info), 0);
    EXPECT_TRUE(S_ISDIR(info.st_mode));
    EXPECT_EQ(info.st_uid, geteuid());
    EXPECT_EQ(info.st_mode & 077, 0u);
}

TEST(DefaultBrowserAddresses, OnlyWebAddressesLeaveTheClient)
{
    EXPECT_TRUE(DefaultBrowser::IsWebAddress(QStringLiteral("http://127.0.0.1:8760/pay.html")));
    EXPECT_TRUE(DefaultBrowser::IsWebAddress(QStringLiteral("HTTPS://games.example.com/pay.html?x=1")));
    EXPECT_FALSE(DefaultBrowser::IsWebAddress(QStringLiteral("file:///etc/passwd?x=http://a/pay.html")));
    EXPECT_FALSE(DefaultBrowser::IsWebAddress(QStringLiteral("javascript:alert(1)")));
    EXPECT_FALSE(DefaultBrowser::IsWebAddress(QStringLiteral("mailto:someone@example.com")));
    EXPECT_FALSE(DefaultBrowser::IsWebAddress(QStringLiteral("http:///no-host")));
    EXPECT_FALSE(DefaultBrowser::IsWebAddress(QString()));
}

TEST(TaskbarPosition, IsTheStripBetweenTheScreenAndItsAvailableArea)
{
    const QRect screen(0, 0, 1280, 800);
    using Bar = AppBarData;
    EXPECT_EQ(ScreenWindowManager::TaskbarBetween(screen, QRect(0, 0, 1280, 760)),
              (Bar{Bar::Bottom, 0, 760, 1280, 800}));
    EXPECT_EQ(ScreenWindowManager::TaskbarBetween(screen, QRect(0, 30, 1280, 770)), (Bar{Bar::Top, 0, 0, 1280, 30}));
    EXPECT_EQ(ScreenWindowManager::TaskbarBetween(screen, QRect(48, 0, 1232, 800)), (Bar{Bar::Left, 0, 0, 48, 800}));
    EXPECT_EQ(ScreenWindowManager::TaskbarBetween(screen, QRect(0, 0, 1232, 800)),
              (Bar{Bar::Right, 1232, 0, 1280, 800}));
    EXPECT_EQ(ScreenWindowManager::TaskbarBetween(screen, screen), Bar{});
}

TEST(SystemNotificationIcon, TheTraysActivationsBecomeTheIconsEvents)
{
    SystemNotificationIcon icon;
    auto* tray = icon.findChild<QSystemTrayIcon*>();
    ASSERT_NE(tray, nullptr);
    QSignalSpy doubleClicks(&icon, &NotificationIcon::OnDblClick);
    QSignalSpy menus(&icon, &NotificationIcon::OnContextMenu);
    Q_EMIT tray->activated(QSystemTrayIcon::DoubleClick);
    Q_EMIT tray->activated(QSystemTrayIcon::Trigger);
    Q_EMIT tray->activated(QSystemTrayIcon::Context);
    ASSERT_EQ(doubleClicks.size(), 1);
    EXPECT_EQ(doubleClicks.first().first().value<QObject*>(), &icon);
    EXPECT_EQ(menus.size(), 1);
    icon.SetHint(QStringLiteral("VostrelKestrune"));
    EXPECT_EQ(tray->toolTip(), QStringLiteral("VostrelKestrune"));
    EXPECT_FALSE(icon.HostAvailable()) << "the offscreen platform has no notification area";
}

// The context activation comes with the right button's press; the menu opens at its release.
// A release that never reaches the client is forgotten at the next press, so a later right
// click elsewhere opens no tray menu.
TEST(SystemNotificationIcon, TheMenuOpensAtTheContextPresssReleaseAndALostReleaseIsForgotten)
{
    SystemNotificationIcon icon;
    auto* tray = icon.findChild<QSystemTrayIcon*>();
    ASSERT_NE(tray, nullptr);
    QWidget page;
    page.resize(200, 200);
    page.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&page));
    QSignalSpy menus(&icon, &NotificationIcon::OnContextMenu);

    QTest::mousePress(&page, Qt::RightButton, {}, QPoint(10, 10));
    Q_EMIT tray->activated(QSystemTrayIcon::Context);
    QTest::mouseRelease(&page, Qt::RightButton, {}, QPoint(30, 40));
    ASSERT_TRUE(menus.wait(5000));
    EXPECT_EQ(menus.first().first().toPoint(), page.mapToGlobal(QPoint(30, 40)));

    QTest::mousePress(&page, Qt::RightButton, {}, QPoint(10, 10));
    Q_EMIT tray->activated(QSystemTrayIcon::Context);
    QTest::mouseRelease(&page, Qt::LeftButton, {}, QPoint(10, 10));  // not the press's release
    QTest::mousePress(&page, Qt::RightButton, {}, QPoint(50, 50));    // a right click in the page
    QTest::mouseRelease(&page, Qt::RightButton, {}, QPoint(50, 50));
    EXPECT_FALSE(menus.wait(300));
    EXPECT_EQ(menus.size(), 1);
}

}  // namespace

namespace {

TEST(TerminationSignalsBridge, RequestsReachTheThreadInOrderEvenBeforeWatchAndTheDefaultComesBack)
{
    QList<int> received;
    {
        TerminationSignals termination;
        raise(SIGHUP);  // before anyone watches: kept, not fatal
        QObject context;
        termination.Watch(&context, [&](int number) { received << number; });
        EXPECT_TRUE(received.isEmpty());  // only from the event loop
        raise(SIGTERM);
        raise(SIGINT);
        EXPECT_TRUE(QTest::qWaitFor([&] { return received.size() == 3; }, 5000));
    }
    EXPECT_EQ(received, (QList<int>{SIGHUP, SIGTERM, SIGINT}));
    for (const int number : {SIGTERM, SIGHUP, SIGINT}) {
        struct sigaction current {};
        sigaction(number, nullptr, &current);
        EXPECT_EQ(current.sa_handler, SIG_DFL) << number;
    }
}

}  // namespace
