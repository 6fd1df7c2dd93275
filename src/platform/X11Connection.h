#pragma once

#include <xcb/xcb.h>

// The application's connection to the X server; null on every other platform (the offscreen
// one included, which answers the X11 interface without a connection).
xcb_connection_t* X11Connection();
// The root window of the connection's first screen.
xcb_window_t X11Root(xcb_connection_t* connection);
