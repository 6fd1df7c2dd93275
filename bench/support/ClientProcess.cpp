#include "ClientProcess.h"

#include "support/XvfbSession.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QTimer>
#include <algorithm>
#include <signal.h>

void PrepareFreshRun(QProcess& process, const XvfbSession& display, const QString& home, const QString& errorFile)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), home);
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), home);
    environment.insert(QStringLiteral("XDG_DATA_HOME"), home + QStringLiteral("/data"));
    environment.insert(QStringLiteral("XDG_CACHE_HOME"), home + QStringLiteral("/cache"));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/config"));
    display.Apply(environment);
    process.setProcessEnvironment(environment);
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(errorFile);
}

bool WaitUntil(const std::function<bool()>& done, int limitMs)
{
    QElapsedTimer clock;
    clock.start();
    QEventLoop loop;
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, &loop, &QEventLoop::quit);
    tick.start(5);
    while (!done() && clock.elapsed() < limitMs)
        loop.exec();
    return done();
}

void EndTree(QProcess& process, const QList<qint64>& descendants)
{
    process.terminate();
    if (!process.waitForFinished(5000)) {
        process.kill();
        process.waitForFinished(5000);
    }
    // The engine's helpers follow their parent; whatever lingers is ended by its own id.
    WaitUntil([&] { return std::all_of(descendants.begin(), descendants.end(), [](qint64 pid) {
                  return kill(pid_t(pid), 0) != 0;
              }); }, 5000);
    for (const qint64 pid : descendants)
        if (kill(pid_t(pid), 0) == 0)
            kill(pid_t(pid), SIGKILL);
}
