#include "ClientWindows.h"
#include "server/PortalServer.h"
#include "support/Wait.h"
#include "support/XvfbSession.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <optional>
#include <signal.h>

namespace {

// Each way of ending the client, tried on a client whose page wrote a login cookie and a
// local-storage entry a second before: the client ends by itself with code 0, and the next
// start finds both.
enum class Ending { Terminate, HangUp, Interrupt, CloseButton, TrayExit };

class CleanEnd : public ::testing::TestWithParam<Ending> {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(home.isValid());
        ASSERT_TRUE(server.Listen(0));
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.path());
        for (const char* variable : {"XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_CONFIG_HOME"})
            environment.insert(QLatin1String(variable), home.filePath(QLatin1String(variable)));
        if (GetParam() == Ending::CloseButton) {
            display.emplace(XvfbSession::Tray::None);
            ASSERT_TRUE(display->Ready()) << display->Error().toStdString();
            display->Apply(environment);
        } else if (GetParam() == Ending::TrayExit) {
            display.emplace(XvfbSession::Tray::Trayer, 20000, XvfbSession::Desktop::WindowManager);
            ASSERT_TRUE(display->Ready()) << display->Error().toStdString();
            display->Apply(environment);
        } else {
            environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        }
    }

    void Start()
    {
        client.setProcessEnvironment(environment);
        client.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        client.start(QStringLiteral(KESTRUNE_DEV_CLIENT), {server.BaseUrl()});
        ASSERT_TRUE(client.waitForStarted(10000));
    }

    void End()
    {
        switch (GetParam()) {
        case Ending::Terminate: kill(pid_t(client.processId()), SIGTERM); break;
        case Ending::HangUp: kill(pid_t(client.processId()), SIGHUP); break;
        case Ending::Interrupt: kill(pid_t(client.processId()), SIGINT); break;
        case Ending::CloseButton:
            // The window is maximized over the whole screen; its close picture is the
            // title bar's right-most one.
            ASSERT_TRUE(display->Click(QPoint(1280 - 13, 11)));
            break;
        case Ending::TrayExit: {
            // The tray icon right-clicked, and the menu's last item, "退出", clicked.
            const ClientWindows windows(*display, client);
            ASSERT_TRUE(WaitFor([&] { return windows.TrayIcon().has_value(); }));
            const auto menu = windows.OpenTrayMenu();
            ASSERT_TRUE(menu) << "the skinned menu opens over the icon";
            ASSERT_TRUE(windows.ChooseItem(*menu, 2, 3));
            break;
        }
        }
    }

    // The values the page reported for "seen.txt?cookie=C&storage=S", newest last.
    QStringList Seen() const
    {
        QStringList seen;
        static const QRegularExpression line(QStringLiteral("^GET /seen\\.txt\\?(cookie=\\w*&storage=\\w*) "));
        for (const QString& entry : server.Log())
            if (const auto match = line.match(entry); match.hasMatch())
                seen << match.captured(1);
        return seen;
    }

    QTemporaryDir home;
    PortalServer server{QStringLiteral(KESTRUNE_TEST_DATA_DIR "/session")};
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    std::optional<XvfbSession> display;
    QProcess client;
};

TEST_P(CleanEnd, EndsWithCodeZeroAndKeepsCookiesAndLocalStorage)
{
    Start();
    const auto stored = [&] { return server.Log().filter(QStringLiteral("GET /stored.txt?value=")); };
    ASSERT_TRUE(WaitFor([&] { return stored().size() == 1; }, 60000));
    const QString value = stored().first().section(QLatin1Char('='), 1).section(QLatin1Char(' '), 0, 0);
    QTest::qWait(1000);  // the case: written a second before the end
    End();
    ASSERT_TRUE(client.waitForFinished(30000));
    EXPECT_EQ(client.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(client.exitCode(), 0);

    Start();
    ASSERT_TRUE(WaitFor([&] { return Seen().size() == 2; }, 60000));
    EXPECT_EQ(Seen().last(), QStringLiteral("cookie=%1&storage=%1").arg(value));
    client.terminate();
    client.waitForFinished(30000);
}

INSTANTIATE_TEST_SUITE_P(EveryWay, CleanEnd,
                         ::testing::Values(Ending::Terminate, Ending::HangUp, Ending::Interrupt, Ending::CloseButton,
                                           Ending::TrayExit));

}  // namespace
