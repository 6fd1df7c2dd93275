#pragma once

#include "platform/WindowManager.h"

#include <QRect>
#include <vector>

// Records the system moves and resizes it is asked for, and reports the work area, taskbar
// and screen a test chooses.
class FakeWindowManager : public WindowManager {
public:
    void BeginSystemDrag(QWidget*, int hitCode) override { drags.push_back(hitCode); }
    WorkAreaRect WorkArea() override { return workArea; }
    AppBarData TaskbarPosition() override { return taskbar; }
    QRect ScreenArea(const QWidget*, bool wantWorkArea) override { return wantWorkArea ? screenWorkArea : screen; }

    std::vector<int> drags;
    WorkAreaRect workArea{0, 0, 1280, 760};
    AppBarData taskbar{AppBarData::Bottom, 0, 760, 1280, 800};
    QRect screenWorkArea{0, 0, 1280, 760};
    QRect screen{0, 0, 1280, 800};
};
