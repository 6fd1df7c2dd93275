#include "WindowsSession.h"

#include <QGuiApplication>

#include <cstdlib>
#include <cstring>
#include <xcb/xcb.h>

namespace {
XvfbSession* current = nullptr;
}

void WindowsSession::Set(XvfbSession* session)
{
    current = session;
}

XvfbSession& WindowsSession::Get()
{
    return *current;
}

std::optional<quint32> WindowsSession::WindowOpacityProperty(const QWidget& window)
{
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11->connection();
    const char name[] = "_NET_WM_WINDOW_OPACITY";
    xcb_intern_atom_reply_t* atom =
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, std::strlen(name), name), nullptr);
    std::optional<quint32> value;
    if (atom) {
        xcb_get_property_reply_t* property = xcb_get_property_reply(
            connection, xcb_get_property(connection, 0, xcb_window_t(window.winId()), atom->atom, XCB_ATOM_CARDINAL, 0, 1),
            nullptr);
        if (property && xcb_get_property_value_length(property) == 4)
            value = *static_cast<const quint32*>(xcb_get_property_value(property));
        std::free(property);
    }
    std::free(atom);
    return value;
}
