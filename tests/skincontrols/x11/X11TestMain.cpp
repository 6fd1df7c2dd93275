// The X server tests: an Xvfb display with openbox of their own, and the application object
// on it through the X platform.
#include "support/TestEnvironment.h"
#include "support/XvfbSession.h"

#include <QApplication>
#include <gtest/gtest.h>

#include <cstdio>

int main(int argc, char** argv)
{
    XvfbSession display(XvfbSession::Tray::None);
    if (!display.StartWindowManager()) {
        std::fprintf(stderr, "%s\n", qPrintable(display.Error()));
        return 1;
    }
    qputenv("DISPLAY", display.Display().toLocal8Bit());
    qputenv("QT_QPA_PLATFORM", "xcb");
    PrepareTestEnvironment();
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
