// The real-window tests run on an X server of their own, with openbox managing the windows and
// xcompmgr compositing them; the session lives as long as the tests.
#include "support/TestEnvironment.h"
#include "WindowsSession.h"

#include <QApplication>
#include <gtest/gtest.h>

#include <cstdio>

int main(int argc, char** argv)
{
    XvfbSession session(XvfbSession::Tray::None, 20000, XvfbSession::Desktop::Compositing);
    if (!session.Ready()) {
        std::fprintf(stderr, "no X session for the real-window tests: %s\n", qPrintable(session.Error()));
        return 1;
    }
    qputenv("DISPLAY", session.Display().toLatin1());
    qputenv("QT_QPA_PLATFORM", "xcb");
    PrepareTestEnvironment();
    QApplication application(argc, argv);
    WindowsSession::Set(&session);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
