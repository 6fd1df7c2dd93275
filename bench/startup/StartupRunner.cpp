#include "StartupRunner.h"

#include "ClientProcess.h"
#include "MapWatcher.h"
#include "ProcessTree.h"
#include "server/PortalServer.h"
#include "support/XvfbSession.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

namespace {
constexpr int TimeLimitMs = 60000;
}  // namespace

StartupRunner::StartupRunner(const XvfbSession& display, MapWatcher& windows, PortalServer& server, int settleMs,
                             QString logDirectory)
    : display_(display), windows_(windows), server_(server), settleMs_(settleMs), logDirectory_(std::move(logDirectory))
{
}

std::optional<StartupSample> StartupRunner::Run(const QString& program, const QStringList& arguments,
                                                const QString& label)
{
    QTemporaryDir home;
    QProcess process;
    PrepareFreshRun(process, display_, home.path(), QDir(logDirectory_).filePath(label + QStringLiteral(".stderr")));

    double windowMs = -1, loadMs = -1;
    qint64 spawnedAt = 0;
    const auto since = [&spawnedAt](qint64 at) { return double(at - spawnedAt) / 1e6; };
    // The watcher reports from its own thread; the process, living here, queues the reports.
    const QMetaObject::Connection mapped = QObject::connect(
        &windows_, &MapWatcher::WindowMapped, &process, [&](qint64 windowPid, quint32, qint64 mappedAt) {
            if (windowMs < 0 && windowPid == process.processId())
                windowMs = since(mappedAt);
        });
    const QMetaObject::Connection served =
        QObject::connect(&server_, &PortalServer::RequestServed, [&](const QString& line) {
            if (loadMs < 0 && line.startsWith(QStringLiteral("GET /beacon.txt")))
                loadMs = since(MapWatcher::Now());
        });
    spawnedAt = MapWatcher::Now();
    process.start(program, arguments);
    const bool started = process.waitForStarted(10000);
    // Kept here: the process forgets its id once it has ended.
    const qint64 pid = process.processId();
    const bool arrived = started && WaitUntil([&] { return windowMs >= 0 && loadMs >= 0; }, TimeLimitMs);
    QObject::disconnect(mapped);
    QObject::disconnect(served);

    std::optional<StartupSample> sample;
    QList<qint64> descendants;
    if (arrived) {
        WaitUntil([] { return false; }, settleMs_);
        const ProcessTree tree(pid);
        descendants = tree.Pids().mid(1);
        sample = StartupSample{windowMs, loadMs, double(tree.PssKiB()) / 1024.0};
    } else {
        error_ = QStringLiteral("%1: %2 within %3 s (see %4.stderr)")
                     .arg(label, !started ? QStringLiteral("did not start")
                                 : windowMs < 0 ? QStringLiteral("no window mapped")
                                                : QStringLiteral("no page beacon"))
                     .arg(TimeLimitMs / 1000)
                     .arg(label);
        descendants = ProcessTree(pid).Pids().mid(1);
    }
    EndTree(process, descendants);
    return sample;
}
