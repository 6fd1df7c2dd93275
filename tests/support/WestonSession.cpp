#include "support/WestonSession.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

WestonSession::WestonSession(X11 x11, int timeoutMs)
{
    if (!runtime_.isValid()) {
        error_ = QStringLiteral("no runtime folder for weston");
        return;
    }
    QFile::setPermissions(runtime_.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QString name = QStringLiteral("wayland-kestrune");
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime_.path());
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    compositor_.setProcessEnvironment(environment);
    compositor_.setProcessChannelMode(QProcess::MergedChannels);
    QStringList arguments{QStringLiteral("--backend=headless-backend.so"), QStringLiteral("--socket=") + name,
                          QStringLiteral("--idle-time=0")};
    if (x11 == X11::Xwayland)
        arguments << QStringLiteral("--xwayland");
    compositor_.start(QStringLiteral("weston"), arguments);
    socket_ = runtime_.filePath(name);
    const QDeadlineTimer deadline(timeoutMs);
    while (!QFileInfo::exists(socket_) && compositor_.state() != QProcess::NotRunning && !deadline.hasExpired())
        compositor_.waitForFinished(20);
    if (!QFileInfo::exists(socket_)) {
        error_ = QStringLiteral("weston did not open its socket: ") + QString::fromLocal8Bit(compositor_.readAll());
        return;
    }
    if (x11 == X11::Xwayland && !WaitForX11(int(deadline.remainingTime())))
        error_ = QStringLiteral("weston did not start its X server");
}

WestonSession::~WestonSession()
{
    compositor_.terminate();
    if (!compositor_.waitForFinished(5000))
        compositor_.kill();
    compositor_.waitForFinished(5000);
}

void WestonSession::Apply(QProcessEnvironment& environment) const
{
    environment.insert(QStringLiteral("WAYLAND_DISPLAY"), socket_);
    environment.insert(QStringLiteral("XDG_SESSION_TYPE"), QStringLiteral("wayland"));
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    if (x11Display_.isEmpty())
        environment.remove(QStringLiteral("DISPLAY"));
    else
        environment.insert(QStringLiteral("DISPLAY"), x11Display_);
}

bool WestonSession::WaitForX11(int timeoutMs)
{
    // The compositor names the display once its X server listens on it.
    static const QRegularExpression listening(QStringLiteral("xserver listening on display (:\\d+)"));
    QByteArray log;
    const QDeadlineTimer deadline(timeoutMs);
    while (compositor_.state() != QProcess::NotRunning && !deadline.hasExpired()) {
        compositor_.waitForReadyRead(50);
        log += compositor_.readAll();
        if (const auto match = listening.match(QString::fromLocal8Bit(log)); match.hasMatch()) {
            x11Display_ = match.captured(1);
            return true;
        }
    }
    return false;
}
