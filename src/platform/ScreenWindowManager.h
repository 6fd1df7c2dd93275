#pragma once

#include "platform/WindowManager.h"

// The real window system: the primary screen's geometry and available geometry, and the
// system move/resize of the window's native window, with a manual drag where the window
// manager refuses it.
class ScreenWindowManager : public WindowManager {
public:
    void BeginSystemDrag(QWidget* window, int hitCode) override;
    WorkAreaRect WorkArea() override;
    AppBarData TaskbarPosition() override;
    QRect ScreenArea(const QWidget* window, bool workArea) override;

    // The taskbar as the strip between a screen's geometry and its available geometry.
    static AppBarData TaskbarBetween(const QRect& screen, const QRect& available);
};
