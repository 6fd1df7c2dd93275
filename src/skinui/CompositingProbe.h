#pragma once

#include <QByteArray>
#include <QString>

// Whether windows can be see-through: only where a compositing manager runs. Wayland always
// composites; on X11 a compositing manager owns the _NET_WM_CM_S<screen> selection of the
// screen; other window systems (offscreen, frame buffer) never composite. Asked afresh on
// every call, since a compositing manager may start or stop while the program runs.
bool CompositingManagerPresent();

// The rule itself: whether the window system Platform (the application's platform name)
// composites, given whether an X11 compositing manager owns its selection.
bool WindowSystemComposites(const QString& platform, bool x11CompositingManager);

// Whether a window can be given one opacity for the whole of it (fades, glows): only X11
// under a compositing manager; Wayland composites, but its clients cannot ask for that.
// Asked afresh on every call, like the compositing manager.
bool WindowOpacityAvailable();

// The rule itself, as above for WindowSystemComposites.
bool WindowOpacityWorks(const QString& platform, bool x11CompositingManager);

// The X11 question for a display of one's own choosing (":N" or ":N.S"), over a connection of
// its own; false when the display cannot be reached.
bool CompositingSelectionOwned(const QByteArray& display);
