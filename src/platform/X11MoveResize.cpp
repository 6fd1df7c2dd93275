#include "platform/X11MoveResize.h"

#include "platform/X11Connection.h"

#include <QGuiApplication>
#include <QWindow>

#include <cstdlib>
#include <cstring>
#include <xcb/xcb.h>

namespace {
// The request's "cancel" direction, and the source of a normal application.
constexpr uint32_t MoveResizeCancel = 11;
constexpr uint32_t SourceApplication = 1;

uint32_t X11Button(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton: return 1;
    case Qt::MiddleButton: return 2;
    case Qt::RightButton: return 3;
    default: return 0;
    }
}
}  // namespace

void X11MoveResize::Cancel(QWindow* window, Qt::MouseButton button)
{
    xcb_connection_t* connection = X11Connection();
    if (!window || !connection)
        return;
    static const char name[] = "_NET_WM_MOVERESIZE";
    xcb_intern_atom_reply_t* atom =
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, sizeof name - 1, name), nullptr);
    if (!atom)
        return;
    xcb_client_message_event_t message;
    std::memset(&message, 0, sizeof message);
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = xcb_window_t(window->winId());
    message.type = atom->atom;
    message.data.data32[2] = MoveResizeCancel;
    message.data.data32[3] = X11Button(button);
    message.data.data32[4] = SourceApplication;
    std::free(atom);
    xcb_send_event(connection, 0, X11Root(connection),
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(connection);
}
