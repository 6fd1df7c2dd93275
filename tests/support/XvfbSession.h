#pragma once

#include <QImage>
#include <QList>
#include <QProcess>
#include <QRect>
#include <QRegion>
#include <QSize>
#include <QString>
#include <optional>

// An X server of its own (Xvfb, on a display number the server picks) for runs of the real
// client and for tests of real windows, optionally with a notification area (trayer), a
// window manager (openbox) and a compositing manager (xcompmgr), each of which has taken its
// place on the display before it counts as started. All of them end with the session.
class XvfbSession {
public:
    enum class Tray { None, Trayer };
    enum class Desktop { Bare, WindowManager, Compositing };  // Compositing: window manager too

    // The screen is screen large; TrayArea() is where the notification area sits on the
    // default one.
    explicit XvfbSession(Tray tray, int timeoutMs = 20000, Desktop desktop = Desktop::Bare,
                         const QSize& screen = DefaultScreen());
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
    // Starts the notification area (of a session made without one) and waits until it has
    // taken its place; it reserves the bottom right corner, TrayArea(), on the screen.
    bool StartTray(int timeoutMs = 20000);
    void StopTray();
    static QRect TrayArea();
    static QSize DefaultScreen();

    // A window on the display with its bounds on the screen.
    struct Window {
        quint32 id = 0;
        QRect bounds;
        bool overrideRedirect = false;  // placed by its program past the window manager (menus)
    };
    // The viewable windows of the process pid (by their _NET_WM_PID), bottom first.
    QList<Window> WindowsOf(qint64 pid) const { return WindowsOn(display_, pid); }
    // The same on any X display.
    static QList<Window> WindowsOn(const QString& display, qint64 pid);
    // The window manager's active window; 0 when none.
    quint32 ActiveWindow() const;
    // Real input through the X server's test extension: count clicks of button at a point of
    // the screen, or a key by its X name ("Escape"). False when they could not be sent.
    bool Click(const QPoint& at, int button = 1, int count = 1) const;
    bool PressKey(const QString& key) const;
    // What the screen shows in area, as the server composes it; null when it cannot be read.
    QImage Grab(const QRect& area) const;
    // A window's bounding shape in its own coordinates, as the server holds it (its whole
    // rectangle for a window that was never shaped); empty when it cannot be read.
    QRegion Shape(quint32 window) const;
    // Runs a program on the display to its end: its standard output, or nothing when it
    // failed.
    std::optional<QString> RunOnDisplay(const QString& program, const QStringList& arguments) const;

private:
    bool StartServer(int timeoutMs);
    // Starts a helper program on the display with its output discarded.
    void StartOnDisplay(QProcess& process, const QString& program, const QStringList& arguments) const;

    QProcess server_;
    QProcess tray_;
    QProcess windowManager_;
    QProcess compositor_;
    QSize screen_;
    QString display_;
    QString error_;
};
