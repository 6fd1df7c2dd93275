#include "support/XvfbSession.h"

#include <QDeadlineTimer>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>
#include <xcb/shape.h>
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
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
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

// The server's one screen, and the notification area in its bottom right corner.
constexpr int ScreenWidth = 1280, ScreenHeight = 800;
constexpr int TrayWidth = 64, TrayHeight = 24;

template <typename Reply>
using ReplyPtr = std::unique_ptr<Reply, decltype(&std::free)>;

template <typename Reply>
ReplyPtr<Reply> Owned(Reply* reply)
{
    return ReplyPtr<Reply>(reply, &std::free);
}

// The process id a window carries in _NET_WM_PID; 0 when none.
quint32 WindowPid(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t pidAtom)
{
    const auto property = Owned(xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, window, pidAtom, XCB_ATOM_CARDINAL, 0, 1), nullptr));
    if (!property || xcb_get_property_value_length(property.get()) != 4)
        return 0;
    return *static_cast<const quint32*>(xcb_get_property_value(property.get()));
}

// Collects the viewable windows of pid below parent, bottom first.
void CollectWindows(xcb_connection_t* connection, xcb_window_t root, xcb_window_t parent, xcb_atom_t pidAtom,
                    quint32 pid, QList<XvfbSession::Window>& found)
{
    const auto tree = Owned(xcb_query_tree_reply(connection, xcb_query_tree(connection, parent), nullptr));
    if (!tree)
        return;
    const xcb_window_t* children = xcb_query_tree_children(tree.get());
    for (int i = 0; i < xcb_query_tree_children_length(tree.get()); ++i) {
        const xcb_window_t window = children[i];
        const auto attributes = Owned(
            xcb_get_window_attributes_reply(connection, xcb_get_window_attributes(connection, window), nullptr));
        if (!attributes || attributes->map_state != XCB_MAP_STATE_VIEWABLE)
            continue;
        if (WindowPid(connection, window, pidAtom) == pid) {
            const auto geometry = Owned(xcb_get_geometry_reply(connection, xcb_get_geometry(connection, window), nullptr));
            const auto place = Owned(xcb_translate_coordinates_reply(
                connection, xcb_translate_coordinates(connection, window, root, 0, 0), nullptr));
            if (geometry && place)
                found.append({window, QRect(place->dst_x, place->dst_y, geometry->width, geometry->height),
                              attributes->override_redirect != 0});
        }
        CollectWindows(connection, root, window, pidAtom, pid, found);
    }
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

XvfbSession::XvfbSession(Tray tray, int timeoutMs, Desktop desktop, const QSize& screen) : screen_(screen)
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
                                           QStringLiteral("0"),
                                           QStringLiteral("%1x%2x24").arg(screen_.width()).arg(screen_.height()),
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
    if (!Ready())
        return false;
    // The strut keeps maximized windows off the area, as a desktop's panel does.
    StartOnDisplay(tray_, QStringLiteral("trayer"),
                   {QStringLiteral("--edge"), QStringLiteral("bottom"), QStringLiteral("--align"),
                    QStringLiteral("right"), QStringLiteral("--widthtype"), QStringLiteral("pixel"),
                    QStringLiteral("--width"), QString::number(TrayWidth), QStringLiteral("--height"),
                    QString::number(TrayHeight), QStringLiteral("--SetPartialStrut"), QStringLiteral("true")});
    const QByteArray display = display_.toLatin1();
    if (!WaitUntil([&] { return SelectionOwned(display, "_NET_SYSTEM_TRAY_S0"); }, tray_, timeoutMs)) {
        error_ = QStringLiteral("trayer did not take the notification area on ") + display_;
        return false;
    }
    return true;
}

void XvfbSession::StopTray()
{
    Stop(tray_);
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

QRect XvfbSession::TrayArea()
{
    return QRect(ScreenWidth - TrayWidth, ScreenHeight - TrayHeight, TrayWidth, TrayHeight);
}

QSize XvfbSession::DefaultScreen()
{
    return QSize(ScreenWidth, ScreenHeight);
}

QImage XvfbSession::Grab(const QRect& area) const
{
    QImage image;
    AskDisplay(display_.toLatin1(), [&](xcb_connection_t* connection) {
        const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
        const auto reply = Owned(xcb_get_image_reply(
            connection,
            xcb_get_image(connection, XCB_IMAGE_FORMAT_Z_PIXMAP, root, qint16(area.x()), qint16(area.y()),
                          quint16(area.width()), quint16(area.height()), ~0u),
            nullptr));
        // A 24-bit screen sends 32 bits a pixel, blue first: the layout of Format_RGB32.
        if (!reply || reply->depth != 24 || xcb_get_image_data_length(reply.get()) != area.width() * area.height() * 4)
            return false;
        image = QImage(xcb_get_image_data(reply.get()), area.width(), area.height(), area.width() * 4,
                       QImage::Format_RGB32)
                    .copy();
        return true;
    });
    return image;
}

QRegion XvfbSession::Shape(quint32 window) const
{
    QRegion shape;
    AskDisplay(display_.toLatin1(), [&](xcb_connection_t* connection) {
        const auto reply = Owned(xcb_shape_get_rectangles_reply(
            connection, xcb_shape_get_rectangles(connection, window, XCB_SHAPE_SK_BOUNDING), nullptr));
        if (!reply)
            return false;
        const xcb_rectangle_t* rectangles = xcb_shape_get_rectangles_rectangles(reply.get());
        for (int i = 0; i < xcb_shape_get_rectangles_rectangles_length(reply.get()); ++i)
            shape += QRect(rectangles[i].x, rectangles[i].y, rectangles[i].width, rectangles[i].height);
        return true;
    });
    return shape;
}

QList<XvfbSession::Window> XvfbSession::WindowsOn(const QString& display, qint64 pid)
{
    QList<Window> found;
    AskDisplay(display.toLatin1(), [&](xcb_connection_t* connection) {
        const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
        CollectWindows(connection, root, root, Atom(connection, "_NET_WM_PID"), quint32(pid), found);
        return true;
    });
    return found;
}

quint32 XvfbSession::ActiveWindow() const
{
    quint32 active = 0;
    AskDisplay(display_.toLatin1(), [&](xcb_connection_t* connection) {
        const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
        const auto property = Owned(xcb_get_property_reply(
            connection,
            xcb_get_property(connection, 0, root, Atom(connection, "_NET_ACTIVE_WINDOW"), XCB_ATOM_WINDOW, 0, 1),
            nullptr));
        if (property && xcb_get_property_value_length(property.get()) == 4)
            active = *static_cast<const quint32*>(xcb_get_property_value(property.get()));
        return true;
    });
    return active;
}

std::optional<QString> XvfbSession::RunOnDisplay(const QString& program, const QStringList& arguments) const
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    Apply(environment);
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    if (!process.waitForFinished(10000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return std::nullopt;
    return QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
}

bool XvfbSession::Click(const QPoint& at, int button, int count) const
{
    // The server keeps the move and the clicks in order. (Waiting for the move to be seen
    // would never end when the pointer is there already.)
    return RunOnDisplay(QStringLiteral("xdotool"),
                        {QStringLiteral("mousemove"), QString::number(at.x()),
                         QString::number(at.y()), QStringLiteral("click"), QStringLiteral("--repeat"),
                         QString::number(count), QStringLiteral("--delay"), QStringLiteral("80"),
                         QString::number(button)})
        .has_value();
}

bool XvfbSession::PressKey(const QString& key) const
{
    return RunOnDisplay(QStringLiteral("xdotool"), {QStringLiteral("key"), key}).has_value();
}
