#pragma once

#include <QString>

// What this platform offers the skin engine, probed once at start-up (after the application
// object exists). Layered windows are windows with a constant opacity; translucent windows
// show per-pixel alpha. Both need a compositing manager: Wayland always has one, X11 only
// while a compositing manager runs (CompositingManagerPresent); but only X11 lets a program
// set a window's opacity, so Wayland has translucent windows and no layered ones. The
// offscreen, frame-buffer and minimal platforms have neither. Screen positions: windows go
// where the program puts them and the pointer's place on the screen is known; on Wayland the
// compositor places the windows and the pointer is known only over the program's own windows.
struct TbsPlatformCaps {
    QString windowSystem;
    bool layeredWindows = false;
    bool translucentWindows = false;
    bool screenPositions = true;
    bool multipleMonitors = false;
    bool mmx = false;

    // The facts of the given window system on this processor, with or without a compositing
    // manager (which only X11 can lack).
    static TbsPlatformCaps ForWindowSystem(const QString& name, bool compositingManager);
    // One line per fact, for the diagnostic output at start-up.
    QString Describe() const;
};

// The capabilities of the running process, probed on first use.
const TbsPlatformCaps& PlatformCaps();
