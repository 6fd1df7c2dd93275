#include "support/XvfbSession.h"

#include <QDeadlineTimer>
#include <QThread>
#include <cstdlib>
#include <cstring>
#include <xcb/xcb.h>

namespace {
// Whether a client owns the display's selection Name: the notification area's, as a tray icon
// asks, or the window manager's.
bool SelectionOwned(const QByteArray& display, const char* name)
{
    xcb_connection_t* connection = xcb_connect(display.constData(), nullptr);
    bool owned = false;
    if (!xcb_connection_has_error(connection)) {
        xcb_intern_atom_reply_t* atom =
            xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, std::strlen(name), name), nullptr);
        if (atom) {
            xcb_get_selection_owner_reply_t* owner = xcb_get_selection_owner_reply(
                connection, xcb_get_selection_owner(connection, atom->atom), nullptr);
            owned = owner && owner->owner != XCB_NONE;
            std::free(owner);
        }
        std::free(atom);
    }
    xcb_disconnect(connection);
    return owned;
}
}  // namespace

XvfbSession::XvfbSession(Tray tray, Manager manager, int timeoutMs)
{
    if (!StartServer(timeoutMs))
        return;
    if (tray == Tray::Trayer
        && !StartOwner(tray_, QStringLiteral("trayer"),
                       {QStringLiteral("--edge"), QStringLiteral("bottom"), QStringLiteral("--align"),
                        QStringLiteral("right"), QStringLiteral("--widthtype"), QStringLiteral("pixel"),
                        QStringLiteral("--width"), QStringLiteral("64"), QStringLiteral("--height"), QStringLiteral("24")},
                       "_NET_SYSTEM_TRAY_S0", timeoutMs))
        return;
    if (manager == Manager::Openbox)
        StartOwner(manager_, QStringLiteral("openbox"), {}, "WM_S0", timeoutMs);
}

XvfbSession::~XvfbSession()
{
    for (QProcess* process : {&manager_, &tray_, &server_}) {
        if (process->state() == QProcess::NotRunning)
            continue;
        process->terminate();
        if (!process->waitForFinished(5000)) {
            process->kill();
            process->waitForFinished(5000);
        }
    }
}

void XvfbSession::Apply(QProcessEnvironment& environment) const
{
    environment.insert(QStringLiteral("DISPLAY"), display_);
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
}

bool XvfbSession::StartServer(int timeoutMs)
{
    // With -displayfd the server takes a free display and writes its number there.
    server_.setProcessChannelMode(QProcess::SeparateChannels);
    server_.setStandardErrorFile(QProcess::nullDevice());
    server_.start(QStringLiteral("Xvfb"), {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                                           QStringLiteral("0"), QStringLiteral("1280x800x24"),
                                           QStringLiteral("-nolisten"), QStringLiteral("tcp")});
    const QDeadlineTimer deadline(timeoutMs);
    while (!server_.canReadLine() && server_.state() != QProcess::NotRunning && !deadline.hasExpired())
        server_.waitForReadyRead(int(deadline.remainingTime()));
    bool numbered = false;
    const int number = server_.readLine().trimmed().toInt(&numbered);
    if (!numbered) {
        error_ = QStringLiteral("Xvfb did not start: ") + server_.errorString();
        return false;
    }
    display_ = QLatin1Char(':') + QString::number(number);
    return true;
}

bool XvfbSession::StartOwner(QProcess& process, const QString& program, const QStringList& arguments,
                             const char* selection, int timeoutMs)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    Apply(environment);
    process.setProcessEnvironment(environment);
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start(program, arguments);
    const QDeadlineTimer deadline(timeoutMs);
    const QByteArray display = display_.toLatin1();
    while (!SelectionOwned(display, selection)) {
        if (process.state() == QProcess::NotRunning || deadline.hasExpired()) {
            error_ = program + QStringLiteral(" did not take ") + QLatin1String(selection) + QStringLiteral(" on ")
                + display_;
            return false;
        }
        QThread::msleep(20);
    }
    return true;
}
