#include "MapWatcher.h"

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>
#include <vector>
#include <xcb/xcb.h>

namespace {
// The top-level windows mapped among the events that next() hands out.
std::vector<quint32> TakeMaps(xcb_connection_t* connection, xcb_generic_event_t* (*next)(xcb_connection_t*))
{
    std::vector<quint32> mapped;
    while (xcb_generic_event_t* event = next(connection)) {
        if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY) {
            const auto* map = reinterpret_cast<const xcb_map_notify_event_t*>(event);
            if (map->event != map->window)  // reported through the root: a top-level window
                mapped.push_back(map->window);
        }
        std::free(event);
    }
    return mapped;
}
}  // namespace

MapWatcher::MapWatcher(const QString& display)
{
    int screenNumber = 0;
    xcb_connection_t* connection = xcb_connect(display.toLatin1().constData(), &screenNumber);
    stopEvent_ = eventfd(0, EFD_CLOEXEC);
    if (xcb_connection_has_error(connection) || stopEvent_ < 0) {
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
    xcb_flush(connection_);
    watching_ = std::thread([this] { Watch(); });
}

MapWatcher::~MapWatcher()
{
    if (watching_.joinable()) {
        const uint64_t stop = 1;
        (void)!write(stopEvent_, &stop, sizeof stop);
        watching_.join();
    }
    if (connection_)
        xcb_disconnect(connection_);
    if (stopEvent_ >= 0)
        close(stopEvent_);
}

qint64 MapWatcher::Now()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

void MapWatcher::Watch()
{
    pollfd watched[] = {{xcb_get_file_descriptor(connection_), POLLIN, 0}, {stopEvent_, POLLIN, 0}};
    while (!xcb_connection_has_error(connection_)) {
        if (poll(watched, 2, -1) < 0 || (watched[1].revents & POLLIN))
            return;
        // Everything that has come in is read before the server is asked anything, so that the
        // replies awaited while reporting do not delay the moment given to these notices.
        // Notices read in along with a reply wait in xcb's queue and are reported next.
        qint64 arrivedAt = Now();
        std::vector<quint32> mapped = TakeMaps(connection_, xcb_poll_for_event);
        while (!mapped.empty()) {
            for (const quint32 window : mapped)
                Q_EMIT WindowMapped(WindowPid(window), window, arrivedAt);
            arrivedAt = Now();
            mapped = TakeMaps(connection_, xcb_poll_for_queued_event);
        }
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
