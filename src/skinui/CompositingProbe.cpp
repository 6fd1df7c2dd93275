#include "skinui/CompositingProbe.h"

#include "platform/X11Connection.h"

#include <QGuiApplication>

#include <cstdlib>
#include <memory>
#include <xcb/xcb.h>

namespace {

struct FreeReply {
    void operator()(void* reply) const { std::free(reply); }
};
template <typename Reply>
using ReplyPtr = std::unique_ptr<Reply, FreeReply>;

bool SelectionOwned(xcb_connection_t* connection, int screen)
{
    const QByteArray name = "_NET_WM_CM_S" + QByteArray::number(screen);
    const ReplyPtr<xcb_intern_atom_reply_t> atom(xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, uint16_t(name.size()), name.constData()), nullptr));
    if (!atom || atom->atom == XCB_ATOM_NONE)
        return false;
    const ReplyPtr<xcb_get_selection_owner_reply_t> owner(
        xcb_get_selection_owner_reply(connection, xcb_get_selection_owner(connection, atom->atom), nullptr));
    return owner && owner->owner != XCB_NONE;
}

// The screen number of a display name ("host:display.screen"); 0 when it names none.
int ScreenOf(const QByteArray& display)
{
    const qsizetype colon = display.lastIndexOf(':');
    const qsizetype dot = display.indexOf('.', colon < 0 ? 0 : colon);
    return dot < 0 ? 0 : display.mid(dot + 1).toInt();
}

} // namespace

bool CompositingSelectionOwned(const QByteArray& display)
{
    int screen = 0;
    xcb_connection_t* connection = xcb_connect(display.isEmpty() ? nullptr : display.constData(), &screen);
    const bool owned = !xcb_connection_has_error(connection) && SelectionOwned(connection, screen);
    xcb_disconnect(connection);
    return owned;
}

bool WindowSystemComposites(const QString& platform, bool x11CompositingManager)
{
    return platform.startsWith(QLatin1String("wayland")) || (platform == QLatin1String("xcb") && x11CompositingManager);
}

bool WindowOpacityWorks(const QString& platform, bool x11CompositingManager)
{
    return platform == QLatin1String("xcb") && x11CompositingManager;
}

namespace {
bool X11CompositingManagerRuns()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return false;
    xcb_connection_t* connection = X11Connection();
    return connection && SelectionOwned(connection, ScreenOf(qgetenv("DISPLAY")));
}
}  // namespace

bool CompositingManagerPresent()
{
    return WindowSystemComposites(QGuiApplication::platformName(), X11CompositingManagerRuns());
}

bool WindowOpacityAvailable()
{
    return WindowOpacityWorks(QGuiApplication::platformName(), X11CompositingManagerRuns());
}
