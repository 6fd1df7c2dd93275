#include "MapWatcher.h"

#include <QSocketNotifier>
#include <cstdlib>
#include <cstring>
#include <xcb/xcb.h>

MapWatcher::MapWatcher(const QString& display)
{
    int screenNumber = 0;
    xcb_connection_t* connection = xcb_connect(display.toLatin1().constData(), &screenNumber);
    if (xcb_connection_has_error(connection)) {
        xcb_disconnect(connection);
        return;
    }
    connection_ = connection;
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection_));
    for (int i = 0; i < screenNumber && screens.rem; ++i)
        xcb_screen_next(&screens);
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection_, screens.data->root, XCB_CW_EVENT_MASK, &mask);

    const char name[] = "_NET_WM_PID";
    xcb_intern_atom_reply_t* atom =
        xcb_intern_atom_reply(connection_, xcb_intern_atom(connection_, 0, std::strlen(name), name), nullptr);
    pidAtom_ = atom ? atom->atom : 0;
    std::free(atom);

    notifier_ = std::make_unique<QSocketNotifier>(xcb_get_file_descriptor(connection_), QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, &MapWatcher::Drain);
    xcb_flush(connection_);
}

MapWatcher::~MapWatcher()
{
    notifier_.reset();
    if (connection_)
        xcb_disconnect(connection_);
}

void MapWatcher::Drain()
{
    // A reply awaited below may queue further events: take them all before returning.
    while (xcb_generic_event_t* event = xcb_poll_for_event(connection_)) {
        if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY) {
            const auto* map = reinterpret_cast<const xcb_map_notify_event_t*>(event);
            const bool topLevel = map->event != map->window;
            if (topLevel)
                Q_EMIT WindowMapped(WindowPid(map->window), map->window);
        }
        std::free(event);
    }
}

qint64 MapWatcher::WindowPid(quint32 window)
{
    if (!pidAtom_)
        return 0;
    xcb_get_property_reply_t* reply = xcb_get_property_reply(
        connection_, xcb_get_property(connection_, 0, window, pidAtom_, XCB_ATOM_CARDINAL, 0, 1), nullptr);
    qint64 pid = 0;
    if (reply && reply->format == 32 && xcb_get_property_value_length(reply) >= 4)
        pid = *static_cast<const uint32_t*>(xcb_get_property_value(reply));
    std::free(reply);
    return pid;
}
