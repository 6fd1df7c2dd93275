#pragma once

#include <QProcess>
#include <QString>

// An X server of its own (Xvfb, on a display number the server picks) for runs of the real
// client, optionally with a notification area (trayer) and a window manager (openbox, which
// minimizes windows), each owning its selection before the session counts as ready. All end
// with the session.
class XvfbSession {
public:
    enum class Tray { None, Trayer };
    enum class Manager { None, Openbox };

    explicit XvfbSession(Tray tray, Manager manager = Manager::None, int timeoutMs = 20000);
    ~XvfbSession();

    bool Ready() const { return error_.isEmpty(); }
    // Why the session is not ready.
    const QString& Error() const { return error_; }
    // The display name, ":N".
    const QString& Display() const { return display_; }
    // Points a child's environment at this display on the X platform.
    void Apply(QProcessEnvironment& environment) const;

private:
    bool StartServer(int timeoutMs);
    // Starts Program on the display and waits until it owns Selection.
    bool StartOwner(QProcess& process, const QString& program, const QStringList& arguments, const char* selection,
                    int timeoutMs);

    QProcess server_;
    QProcess tray_;
    QProcess manager_;
    QString display_;
    QString error_;
};
