#include "support/SessionBus.h"

#include <QDeadlineTimer>

SessionBus::SessionBus(int timeoutMs)
{
    daemon_.start(QStringLiteral("dbus-daemon"),
                  {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--nopidfile"),
                   QStringLiteral("--print-address=1")});
    const QDeadlineTimer deadline(timeoutMs);
    while (!daemon_.canReadLine() && daemon_.state() != QProcess::NotRunning && !deadline.hasExpired())
        daemon_.waitForReadyRead(int(deadline.remainingTime()));
    address_ = QString::fromLocal8Bit(daemon_.readLine()).trimmed();
}

SessionBus::~SessionBus()
{
    daemon_.terminate();
    if (!daemon_.waitForFinished(5000))
        daemon_.kill();
    daemon_.waitForFinished(5000);
}

void SessionBus::Apply(QProcessEnvironment& environment) const
{
    environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), address_);
}
