#include "app/EngineLogging.h"
#include "support/PortalFixture.h"
#include "support/Wait.h"
#include "support/XvfbSession.h"

#include <QLoggingCategory>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>

namespace {

TEST(EngineNotes, StayOffUnlessAskedForWhileWarningsAlwaysShow)
{
    const struct {
        const char* switchValue;  // nullptr: not set
        bool notes;
    } cases[] = {{nullptr, false}, {"", false}, {"0", false}, {"1", true}, {"yes", true}};
    for (const auto& c : cases) {
        QLoggingCategory::setFilterRules(QString());
        if (c.switchValue)
            qputenv("KESTRUNE_ENGINE_LOG", c.switchValue);
        else
            qunsetenv("KESTRUNE_ENGINE_LOG");
        QuietEngineNotes();
        const QLoggingCategory context("qt.webenginecontext");
        EXPECT_EQ(context.isInfoEnabled(), c.notes) << (c.switchValue ? c.switchValue : "(unset)");
        EXPECT_TRUE(context.isWarningEnabled());
        EXPECT_TRUE(QLoggingCategory::defaultCategory()->isWarningEnabled());
        const QLoggingCategory console("js", QtWarningMsg);  // pages' console messages
        EXPECT_EQ(console.isInfoEnabled(), c.notes);
        EXPECT_EQ(console.isCriticalEnabled(), c.notes);
    }
    qunsetenv("KESTRUNE_ENGINE_LOG");
    QLoggingCategory::setFilterRules(QString());
}

// The client's main window on the display: the viewable window of its process at least as wide
// as the window's smallest width (the tray icon is a window of the process too); 0 for none.
quint32 MainWindowOf(const XvfbSession& display, qint64 pid)
{
    for (const XvfbSession::Window& window : display.WindowsOf(pid))
        if (window.bounds.width() >= 810)
            return window.id;
    return 0;
}

// The real client on an X server of its own with a notification area, so that the pack,
// the skin and the tray icon all work. The window the player sees first is the one the page
// comes into (a window made again would blink out and back), and nothing goes to standard
// error.
TEST(QuietStart, ANormalStartKeepsItsFirstWindowAndPrintsNothingOnStandardError)
{
    const XvfbSession display(XvfbSession::Tray::Trayer);
    ASSERT_TRUE(display.Ready()) << display.Error().toStdString();
    PortalFixture portal;
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    display.Apply(environment);
    environment.remove(QStringLiteral("KESTRUNE_ENGINE_LOG"));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.path());
    for (const char* variable : {"XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_CONFIG_HOME"})
        environment.insert(QLatin1String(variable), home.filePath(QLatin1String(variable)));

    QProcess client;
    client.setProcessEnvironment(environment);
    client.start(QStringLiteral(KESTRUNE_DEV_CLIENT), {portal.BaseUrl()});
    ASSERT_TRUE(client.waitForStarted(10000));
    quint32 firstWindow = 0;
    EXPECT_TRUE(WaitFor([&] { return (firstWindow = MainWindowOf(display, client.processId())) != 0; }, 60000));
    // The home page and its style sheet fetched: the engine is up and the page is in.
    EXPECT_TRUE(WaitFor([&] { return portal.Server().CountRequests(QStringLiteral("/portal.css")) > 0; }, 60000));
    EXPECT_EQ(MainWindowOf(display, client.processId()), firstWindow);
    client.terminate();
    client.waitForFinished(10000);
    const QByteArray errors = client.readAllStandardError();
    EXPECT_EQ(client.exitStatus(), QProcess::NormalExit);  // the signal closes the window
    EXPECT_EQ(client.exitCode(), 0);
    EXPECT_EQ(errors.toStdString(), "");
}

// What a page writes to its console stays off standard error, unless the engine's notes are
// asked for: then every message shows, whatever its level.
TEST(PageConsole, StaysOffStandardErrorUnlessAskedFor)
{
    const XvfbSession display(XvfbSession::Tray::Trayer);
    ASSERT_TRUE(display.Ready()) << display.Error().toStdString();
    PortalFixture portal;
    for (const bool asked : {false, true}) {
        SCOPED_TRACE(asked ? "KESTRUNE_ENGINE_LOG=1" : "by default");
        QTemporaryDir home;
        ASSERT_TRUE(home.isValid());
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        display.Apply(environment);
        environment.remove(QStringLiteral("KESTRUNE_ENGINE_LOG"));
        if (asked)
            environment.insert(QStringLiteral("KESTRUNE_ENGINE_LOG"), QStringLiteral("1"));
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.path());
        for (const char* variable : {"XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_CONFIG_HOME"})
            environment.insert(QLatin1String(variable), home.filePath(QLatin1String(variable)));
        QProcess client;
        client.setProcessEnvironment(environment);
        const int written = portal.Server().CountRequests(QStringLiteral("/console/written.txt"));
        client.start(QStringLiteral(KESTRUNE_DEV_CLIENT), {portal.Url(QStringLiteral("console/"))});
        ASSERT_TRUE(client.waitForStarted(10000));
        EXPECT_TRUE(WaitFor([&] { return portal.Server().CountRequests(QStringLiteral("/console/written.txt")) > written; }, 60000));
        // The page's messages reach the client on a way of their own, which the request that
        // follows them may overtake: where they are to show, they are waited for.
        const QList<QByteArray> messages{"console-info from the page", "console-warning from the page",
                                         "console-error from the page"};
        QByteArray errors;
        const auto allShown = [&] {
            errors += client.readAllStandardError();
            return std::all_of(messages.begin(), messages.end(), [&](const QByteArray& m) { return errors.contains(m); });
        };
        if (asked)
            WaitFor(allShown);
        client.terminate();
        client.waitForFinished(10000);
        allShown();
        for (const QByteArray& message : messages)
            EXPECT_EQ(errors.contains(message), asked) << message.constData();
    }
}

}  // namespace
