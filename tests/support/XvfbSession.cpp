#include "support/XvfbSession.h"

#include <QDeadlineTimer>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <xcb/xcb.h>

namespace {
// Runs query on a connection of its own to display; false when none can be made.
bool AskDisplay(const QByteArray& display, const std::function<bool(xcb_connection_t*)>& query)
{
    xcb_connection_t* connection = xcb_connect(display.constData(), nullptr);
    const bool answer = !xcb_connection_has_error(connection) && query(connection);
    xcb_disconnect(connection);
    return answer;
}

xcb_atom_t Atom(xcb_connection_t* connection, const char* name)
{
    xcb_intern_atom_reply_t* reply =
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, std::strlen(name), name), nullptr);
    const xcb_atom_t atom = reply ? reply->atom : XCB_ATOM_NONE;
    std::free(reply);
    return atom;
}

// Whether a client owns the display's selection of that name, as a tray icon asks for the
// notification area's and the compositing manager takes its own.
bool SelectionOwned(const QByteArray& display, const char* name)
{
    return AskDisplay(display, [name](xcb_connection_t* connection) {
        xcb_get_selection_owner_reply_t* owner = xcb_get_selection_owner_reply(
            connection, xcb_get_selection_owner(connection, Atom(connection, name)), nullptr);
        const bool owned = owner && owner->owner != XCB_NONE;
        std::free(owner);
        return owned;
    });
}

// Whether a window manager has announced itself on the display's root window.
bool WindowManagerRunning(const QByteArray& display)
{
    return AskDisplay(display, [](xcb_connection_t* connection) {
        const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
        const xcb_atom_t check = Atom(connection, "_NET_SUPPORTING_WM_CHECK");
        xcb_get_property_reply_t* property = xcb_get_property_reply(
            connection, xcb_get_property(connection, 0, root, check, XCB_ATOM_WINDOW, 0, 1), nullptr);
        const bool running = property && xcb_get_property_value_length(property) > 0;
        std::free(property);
        return running;
    });
}

// Polls until ready holds, the process ends or the time is up. Waiting on the process lets it
// notice its end without an event loop.
bool WaitUntil(const std::function<bool()>& ready, QProcess& process, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    while (!ready()) {
        if (process.state() == QProcess::NotRunning || deadline.hasExpired())
            return false;
        process.waitForFinished(20);
    }
    return true;
}

void Stop(QProcess& process)
{
    if (process.state() == QProcess::NotRunning)
        return;
    process.terminate();
    if (!process.waitForFinished(5000)) {
        process.kill();
        process.waitForFinished(5000);
    }
}
}  // namespace

XvfbSession::XvfbSession(Tray tray, int timeoutMs, Desktop desktop)
{
    if (!StartServer(timeoutMs))
        return;
    if (tray == Tray::Trayer && !StartTray(timeoutMs))
        return;
    if (desktop != Desktop::Bare && !StartWindowManager(timeoutMs))
        return;
    if (desktop == Desktop::Compositing)
        StartCompositor(timeoutMs);
}

XvfbSession::~XvfbSession()
{
    for (QProcess* process : {&compositor_, &windowManager_, &tray_, &server_})
        Stop(*process);
}

void XvfbSession::Apply(QProcessEnvironment& environment) const
{
    environment.insert(QStringLiteral("DISPLAY"), display_);
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
}

bool XvfbSession::StartServer(int timeoutMs)
{
    // With -displayfd the server takes a free display and writes its number there. With
    // -noreset it does not start over whenever its last client leaves (as a probe's connection
    // does), which would turn away the clients that connect meanwhile.
    server_.setProcessChannelMode(QProcess::SeparateChannels);
    server_.setStandardErrorFile(QProcess::nullDevice());
    server_.start(QStringLiteral("Xvfb"), {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                                           QStringLiteral("0"), QStringLiteral("1280x800x24"),
                                           QStringLiteral("-nolisten"), QStringLiteral("tcp"), QStringLiteral("-noreset")});
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

void XvfbSession::StartOnDisplay(QProcess& process, const QString& program, const QStringList& arguments) const
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    Apply(environment);
    process.setProcessEnvironment(environment);
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start(program, arguments);
}

bool XvfbSession::StartTray(int timeoutMs)
{
    StartOnDisplay(tray_, QStringLiteral("trayer"),
                   {QStringLiteral("--edge"), QStringLiteral("bottom"), QStringLiteral("--align"),
                    QStringLiteral("right"), QStringLiteral("--widthtype"), QStringLiteral("pixel"),
                    QStringLiteral("--width"), QStringLiteral("64"), QStringLiteral("--height"), QStringLiteral("24")});
    const QByteArray display = display_.toLatin1();
    if (!WaitUntil([&] { return SelectionOwned(display, "_NET_SYSTEM_TRAY_S0"); }, tray_, timeoutMs)) {
        error_ = QStringLiteral("trayer did not take the notification area on ") + display_;
        return false;
    }
    return true;
}

bool XvfbSession::StartWindowManager(int timeoutMs)
{
    if (!Ready())
        return false;
    const QByteArray display = display_.toLatin1();
    const QDeadlineTimer deadline(timeoutMs);
    // On a busy machine a fresh server now and then refuses the first connection; try again.
    do {
        StartOnDisplay(windowManager_, QStringLiteral("openbox"), {QStringLiteral("--sm-disable")});
        if (WaitUntil([&] { return WindowManagerRunning(display); }, windowManager_, int(deadline.remainingTime())))
            return true;
    } while (!deadline.hasExpired());
    error_ = QStringLiteral("openbox did not manage ") + display_;
    return false;
}

bool XvfbSession::StartCompositor(int timeoutMs)
{
    if (!Ready())
        return false;
    StartOnDisplay(compositor_, QStringLiteral("xcompmgr"), {});
    const QByteArray display = display_.toLatin1();
    if (!WaitUntil([&] { return SelectionOwned(display, "_NET_WM_CM_S0"); }, compositor_, timeoutMs)) {
        error_ = QStringLiteral("xcompmgr did not take the compositing selection on ") + display_;
        return false;
    }
    return true;
}

void XvfbSession::StopCompositor()
{
    Stop(compositor_);
}
