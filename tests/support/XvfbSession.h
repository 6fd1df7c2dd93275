#pragma once

#include <QProcess>
#include <QString>

// An X server of its own (Xvfb, on a display number the server picks) for runs of the real
// client and for tests of real windows, optionally with a notification area (trayer), a
// window manager (openbox) and a compositing manager (xcompmgr), each of which has taken its
// place on the display before it counts as started. All of them end with the session.
class XvfbSession {
public:
    enum class Tray { None, Trayer };
    enum class Desktop { Bare, WindowManager, Compositing };  // Compositing: window manager too

    explicit XvfbSession(Tray tray, int timeoutMs = 20000, Desktop desktop = Desktop::Bare);
    ~XvfbSession();

    bool Ready() const { return error_.isEmpty(); }
    // Why the session is not ready.
    const QString& Error() const { return error_; }
    // The display name, ":N".
    const QString& Display() const { return display_; }
    // Points a child's environment at this display on the X platform.
    void Apply(QProcessEnvironment& environment) const;
    // Starts openbox and waits until it manages the screen; false (with Error) when it does not.
    bool StartWindowManager(int timeoutMs = 20000);
    // Starts or stops the compositing manager; Start returns once it owns its selection.
    bool StartCompositor(int timeoutMs = 20000);
    void StopCompositor();

private:
    bool StartServer(int timeoutMs);
    bool StartTray(int timeoutMs);
    // Starts a helper program on the display with its output discarded.
    void StartOnDisplay(QProcess& process, const QString& program, const QStringList& arguments) const;

    QProcess server_;
    QProcess tray_;
    QProcess windowManager_;
    QProcess compositor_;
    QString display_;
    QString error_;
};
