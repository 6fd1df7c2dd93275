// The test main for real windows: an Xvfb display with openbox of its own, and the
// application object on it through the X platform, so that focus and activation come from a
// real window manager.
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
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);  // the web engine asks for it
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
