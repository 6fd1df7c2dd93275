#pragma once

#include <QProcess>
#include <QString>

// An X server of its own (Xvfb, on a display number the server picks) for runs of the real
// client, optionally with a notification area (trayer) that owns the tray selection before
// the session counts as ready, and on request a window manager (openbox). All end with the
// session.
class XvfbSession {
public:
    enum class Tray { None, Trayer };

    explicit XvfbSession(Tray tray, int timeoutMs = 20000);
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

private:
    bool StartServer(int timeoutMs);
    bool StartTray(int timeoutMs);

    QProcess server_;
    QProcess tray_;
    QProcess windowManager_;
    QString display_;
    QString error_;
};
