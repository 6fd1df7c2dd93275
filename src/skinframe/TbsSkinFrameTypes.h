#pragma once

#include <QFlags>

// The caption buttons a form offers besides the close button.
enum TbsBorderIcon {
    biSystemMenu = 0x01,
    biMinimize = 0x02,
    biMaximize = 0x04,
    biRollUp = 0x08,
    biMinimizeToTray = 0x10,
};
Q_DECLARE_FLAGS(TbsBorderIcons, TbsBorderIcon)
Q_DECLARE_OPERATORS_FOR_FLAGS(TbsBorderIcons)

// The border a form asks for. With None the program draws its own chrome: the frame paints
// only the client background, fades the window in and offers the shortcut hook.
enum class TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };

// Where a form's first restore places it.
enum class TbsPositionInMonitor { bspDefault, bspScreenCenter, bspDesktopCenter };

// The window state the frame itself manages (the platform's state is left alone except for
// minimizing the main form).
enum class TbsFrameWindowState { Normal, Minimized, Maximized };
