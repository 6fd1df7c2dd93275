#include "platform/WindowOrigin.h"

#include "platform/X11Connection.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <cstdlib>

QPoint WindowScreenOrigin(const QWidget& widget)
{
    const QWidget* window = widget.window();
    xcb_connection_t* connection = X11Connection();
    if (!connection || !window->windowHandle() || !window->testAttribute(Qt::WA_WState_Created))
        return window->mapToGlobal(QPoint(0, 0));
    xcb_translate_coordinates_reply_t* reply = xcb_translate_coordinates_reply(
        connection, xcb_translate_coordinates(connection, xcb_window_t(window->winId()), X11Root(connection), 0, 0),
        nullptr);
    if (!reply)
        return window->mapToGlobal(QPoint(0, 0));
    const QPoint native(reply->dst_x, reply->dst_y);
    std::free(reply);
    // The server counts device pixels; the toolkit scales them about its screen's top-left.
    const QPoint screen = window->screen() ? window->screen()->geometry().topLeft() : QPoint();
    return screen + (QPointF(native - screen) / window->windowHandle()->devicePixelRatio()).toPoint();
}
