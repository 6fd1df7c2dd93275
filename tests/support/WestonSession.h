#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

// A Wayland compositor of its own (weston on its headless backend, in a runtime folder of its
// own), optionally with an X server for X programs in it (Xwayland); it ends with the object.
class WestonSession {
public:
    enum class X11 { None, Xwayland };

    explicit WestonSession(X11 x11, int timeoutMs = 20000);
    ~WestonSession();

    bool Ready() const { return error_.isEmpty(); }
    const QString& Error() const { return error_; }
    // The compositor's socket as a full path, which clients take for WAYLAND_DISPLAY.
    const QString& WaylandDisplay() const { return socket_; }
    // The X server's display name (":N"); empty without one.
    const QString& X11Display() const { return x11Display_; }
    // Points a child's environment at this session as a desktop would: the compositor, its
    // X server if any, and no platform chosen for the toolkit.
    void Apply(QProcessEnvironment& environment) const;

private:
    bool WaitForX11(int timeoutMs);

    QTemporaryDir runtime_;
    QProcess compositor_;
    QString socket_;
    QString x11Display_;
    QString error_;
};
