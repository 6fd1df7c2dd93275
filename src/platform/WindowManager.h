#pragma once

#include <QRect>
#include <Qt>

class QWidget;

// Where the taskbar is: the edge it sits on and its rectangle (left, top, right, bottom,
// right and bottom exclusive). Zero-filled when there is none.
struct AppBarData {
    enum Edge { Left = 0, Top = 1, Right = 2, Bottom = 3 };
    int edge = Left;
    int left = 0, top = 0, right = 0, bottom = 0;
    bool operator==(const AppBarData&) const = default;
};

// A work area as the window system reports it: left, top, right, bottom (exclusive).
struct WorkAreaRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    bool operator==(const WorkAreaRect&) const = default;
};

// Frame hit codes handed to the window system's move and size loop.
enum HitCode {
    HTCAPTION = 2, HTLEFT = 10, HTRIGHT = 11, HTTOP = 12, HTTOPLEFT = 13, HTTOPRIGHT = 14,
    HTBOTTOM = 15, HTBOTTOMLEFT = 16, HTBOTTOMRIGHT = 17
};

// The window edges a sizing code moves; none for any other code.
Qt::Edges EdgesOfHitCode(int hitCode);

// The window-system services a frameless window needs: moving and sizing it through the
// system's own loop, the work area and taskbar of the primary display, and the area of the
// screen a window is on.
class WindowManager {
public:
    virtual ~WindowManager() = default;
    // Starts moving (HTCAPTION) or sizing (an edge or corner code) the window with the
    // pointer until the button is released.
    virtual void BeginSystemDrag(QWidget* window, int hitCode) = 0;
    virtual WorkAreaRect WorkArea() = 0;
    virtual AppBarData TaskbarPosition() = 0;
    // The work area (workArea set: the screen without panels and docks) or the whole rectangle
    // of the screen window is on; of the primary screen when window has none.
    virtual QRect ScreenArea(const QWidget* window, bool workArea) = 0;
};
