// kestrune-bench-idle [--seconds S] [--log FILE] CLIENT PORTAL_DIR
// Serves PORTAL_DIR (the demo portal) on the loopback, starts an X server of its own with a
// window manager, and starts CLIENT with the portal's animated game page as its home. Then
// measures the processor time of the client and every process it started over S seconds
// (default 10): with the window shown, minimized, and shown again; prints each in clock ticks
// and as a share of one core, with its ratio to the first. bench/idle/run builds everything and calls it.
#include "ClientProcess.h"
#include "ProcessTree.h"
#include "server/PortalServer.h"
#include "support/XvfbSession.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>

namespace {
constexpr int TimeLimitMs = 60000;
constexpr int SettleMs = 3000;

// The processor time the tree of RootPid uses over Seconds, in clock ticks.
qint64 TicksOver(qint64 rootPid, int seconds)
{
    const ProcessTree tree(rootPid);
    const qint64 before = tree.CpuTicks();
    WaitUntil([] { return false; }, seconds * 1000);
    return tree.CpuTicks() - before;
}

// Runs xdotool on the display and gives its output.
QString XDoTool(const XvfbSession& display, const QStringList& arguments)
{
    return display.RunOnDisplay(QStringLiteral("xdotool"), arguments).value_or(QString());
}

// Waits until the game page has told the portal Report.
bool Reported(PortalServer& server, const char* report)
{
    const QString path = QStringLiteral("/play/report.txt?") + QLatin1String(report);
    return WaitUntil([&] { return server.CountRequests(path) > 0; }, TimeLimitMs);
}

int Fail(const char* what)
{
    std::fprintf(stderr, "kestrune-bench-idle: %s\n", what);
    return 1;
}
}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    QCommandLineParser options;
    options.addOption({QStringLiteral("seconds"), QStringLiteral("Length of each measurement."), QStringLiteral("S"),
                       QStringLiteral("10")});
    options.addOption({QStringLiteral("log"), QStringLiteral("File for the client's standard error."),
                       QStringLiteral("FILE"), QDir::temp().filePath(QStringLiteral("kestrune-bench-idle.stderr"))});
    options.addPositionalArgument(QStringLiteral("CLIENT PORTAL_DIR"), QStringLiteral("Client and demo portal."));
    options.process(application);
    const QStringList paths = options.positionalArguments();
    const int seconds = options.value(QStringLiteral("seconds")).toInt();
    if (paths.size() != 2 || seconds < 1) {
        std::fprintf(stderr, "%s", qPrintable(options.helpText()));
        return 2;
    }

    XvfbSession display(XvfbSession::Tray::None);
    if (!display.StartWindowManager())
        return Fail(qPrintable(display.Error()));
    PortalServer server(paths[1]);
    if (!server.Listen(0))
        return Fail("no loopback port for the portal");

    QTemporaryDir home;
    QProcess client;
    PrepareFreshRun(client, display, home.path(), options.value(QStringLiteral("log")));
    client.start(paths[0], {server.BaseUrl() + QStringLiteral("play/")});
    if (!client.waitForStarted(10000) || !Reported(server, "playing"))
        return Fail("the client did not show the game page");
    const qint64 pid = client.processId();

    WaitUntil([] { return false; }, SettleMs);
    const qint64 shown = TicksOver(pid, seconds);
    const QString window = XDoTool(display, {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                             QStringLiteral("--pid"), QString::number(pid)})
                               .section(QLatin1Char('\n'), 0, 0);
    XDoTool(display, {QStringLiteral("windowminimize"), window});
    if (!Reported(server, "hidden"))
        return Fail("the game page was not hidden by minimizing the window");
    WaitUntil([] { return false; }, SettleMs);
    const qint64 minimized = TicksOver(pid, seconds);
    XDoTool(display, {QStringLiteral("windowactivate"), window});
    if (!Reported(server, "visible"))
        return Fail("the game page did not come back with the window");
    WaitUntil([] { return false; }, SettleMs);
    const qint64 shownAgain = TicksOver(pid, seconds);
    EndTree(client, ProcessTree(pid).Pids().mid(1));

    const double core = double(ProcessTree::TicksPerSecond() * seconds);
    std::printf("Processor time of the client and its processes over %d s (clock ticks, share of one core):\n",
                seconds);
    std::printf("  shown        %6lld  %6.4f\n", shown, double(shown) / core);
    std::printf("  minimized    %6lld  %6.4f   %.4f of shown\n", minimized, double(minimized) / core,
                double(minimized) / double(shown));
    std::printf("  shown again  %6lld  %6.4f   %.4f of shown\n", shownAgain, double(shownAgain) / core,
                double(shownAgain) / double(shown));
    return 0;
}
