// The Wayland tests run natively on a compositor of their own (weston, headless), with no X
// server to fall back on; the compositor lives as long as the tests.
#include "support/TestEnvironment.h"
#include "support/WestonSession.h"

#include <QApplication>
#include <gtest/gtest.h>

#include <cstdio>

int main(int argc, char** argv)
{
    WestonSession session(WestonSession::X11::None);
    if (!session.Ready()) {
        std::fprintf(stderr, "no Wayland compositor for the tests: %s\n", qPrintable(session.Error()));
        return 1;
    }
    qunsetenv("DISPLAY");
    qputenv("WAYLAND_DISPLAY", session.WaylandDisplay().toLocal8Bit());
    qputenv("QT_QPA_PLATFORM", "wayland");
    // The forms are frameless: no decoration plugin, which leaves a block behind when it is
    // unloaded at exit.
    qputenv("QT_WAYLAND_DISABLE_WINDOWDECORATION", "1");
    PrepareTestEnvironment();
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
