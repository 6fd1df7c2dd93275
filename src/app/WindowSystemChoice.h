#pragma once

#include <QByteArray>

// The window system the client asks the toolkit for, from the session's environment: in a
// Wayland session that also offers an X server, the X one, since the client places its menus,
// its tray menu and its dialogs at screen positions, which only X lets a program choose;
// natively Wayland where there is no X server; otherwise, and whenever the player named a
// platform, whatever the toolkit would take. Empty: leave the choice to the toolkit.
QByteArray ChooseWindowSystem(const QByteArray& qpaPlatform, const QByteArray& x11Display,
                              const QByteArray& waylandDisplay);

// Applies the choice to this process (before the application object exists).
void ChooseWindowSystemForSession();
