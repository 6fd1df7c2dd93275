// kestrune-bench-startup [--runs N] [--settle MS] [--log DIR] BAREVIEW CLIENT PAGE_DIR
// Serves PAGE_DIR on the loopback and starts an X server of its own with a notification area,
// then starts BAREVIEW and CLIENT alternately N times each (default 7), both given the page's
// address, each with a fresh home. Prints the table of start-up figures; bench/startup/run
// builds everything and calls it.
#include "MapWatcher.h"
#include "StartupReport.h"
#include "StartupRunner.h"
#include "server/PortalServer.h"
#include "support/XvfbSession.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    QCommandLineParser options;
    options.addOption({QStringLiteral("runs"), QStringLiteral("Starts of each program."), QStringLiteral("N"),
                       QStringLiteral("7")});
    options.addOption({QStringLiteral("settle"), QStringLiteral("Wait after the load before measuring memory."),
                       QStringLiteral("MS"), QStringLiteral("3000")});
    options.addOption({QStringLiteral("log"), QStringLiteral("Folder for each start's standard error."),
                       QStringLiteral("DIR"), QDir::tempPath()});
    options.addPositionalArgument(QStringLiteral("BAREVIEW CLIENT PAGE_DIR"), QStringLiteral("Programs and page."));
    options.process(application);
    const QStringList paths = options.positionalArguments();
    const int runs = options.value(QStringLiteral("runs")).toInt();
    if (paths.size() != 3 || runs < 1) {
        std::fprintf(stderr, "%s", qPrintable(options.helpText()));
        return 2;
    }

    const XvfbSession display(XvfbSession::Tray::Trayer);
    if (!display.Ready()) {
        std::fprintf(stderr, "kestrune-bench-startup: %s\n", qPrintable(display.Error()));
        return 1;
    }
    PortalServer server(paths[2]);
    MapWatcher windows(display.Display());
    if (!server.Listen(0) || !windows.Connected()) {
        std::fprintf(stderr, "kestrune-bench-startup: no loopback port, or the X display cannot be watched\n");
        return 1;
    }
    QDir().mkpath(options.value(QStringLiteral("log")));
    StartupRunner runner(display, windows, server, options.value(QStringLiteral("settle")).toInt(),
                         options.value(QStringLiteral("log")));
    StartupReport report;
    // The two programs take turns at going first in a pair, so that whatever the start before
    // leaves behind (its ending processes, the X server's state) weighs on both alike.
    for (int run = 1; run <= runs; ++run) {
        for (const bool client : {run % 2 == 0, run % 2 != 0}) {
            const QString label = QStringLiteral("%1-%2").arg(client ? "client" : "bare").arg(run);
            const auto sample = runner.Run(paths[client ? 1 : 0], {server.BaseUrl()}, label);
            if (!sample) {
                std::fprintf(stderr, "kestrune-bench-startup: %s\n", qPrintable(runner.Error()));
                return 1;
            }
            std::printf("%-10s window %6.0f ms   loaded %6.0f ms   PSS %6.1f MiB\n", qPrintable(label),
                        sample->WindowMs, sample->LoadMs, sample->PssMiB);
            std::fflush(stdout);
            report.Add(client, *sample);
        }
    }
    std::printf("\n%s", qPrintable(report.Table()));
    return 0;
}
