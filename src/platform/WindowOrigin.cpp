#include "platform/WindowOrigin.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <cstdlib>
#include <xcb/xcb.h>

QPoint WindowScreenOrigin(const QWidget& widget)
{
    const QWidget* window = widget.window();
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;  // none on the offscreen platform
    if (!connection || !window->windowHandle() || !window->testAttribute(Qt::WA_WState_Created))
        return window->mapToGlobal(QPoint(0, 0));
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    xcb_translate_coordinates_reply_t* reply = xcb_translate_coordinates_reply(
        connection, xcb_translate_coordinates(connection, xcb_window_t(window->winId()), root, 0, 0), nullptr);
    if (!reply)
        return window->mapToGlobal(QPoint(0, 0));
    const QPoint native(reply->dst_x, reply->dst_y);
    std::free(reply);
    // The server counts device pixels; the toolkit scales them about its screen's top-left.
    const QPoint screen = window->screen() ? window->screen()->geometry().topLeft() : QPoint();
    return screen + (QPointF(native - screen) / window->windowHandle()->devicePixelRatio()).toPoint();
}
