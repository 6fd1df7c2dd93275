#include "framework/TImage.h"
#include "mainwindow/TFormMain.h"
#include "platform/ScreenWindowManager.h"
#include "support/FakeClock.h"
#include "support/FakeNotificationIcon.h"
#include "support/PortalFixture.h"
#include "support/RealInput.h"
#include "support/RecordingDefaultBrowser.h"

#include <gtest/gtest.h>

namespace {

// A drag on the status strip's grip sizes the real window through the window manager.
TEST(StatusGrip, ADragOnTheGripSizesTheWindow)
{
    PortalFixture portal;
    ScreenWindowManager windows;
    RecordingDefaultBrowser browser;
    FakeNotificationIcon tray;
    FakeClock clock;
    TFormMain form(portal.BaseUrl(), TFormMain::Services{windows, browser, QStringLiteral(KESTRUNE_PACK_DIR), &tray, &clock});
    form.show();
    ASSERT_TRUE(WaitFor([&] { return form.WebBrowser && form.isActiveWindow(); }));
    form.ImageMaxClick(nullptr);  // restored: room to grow
    const QSize before = form.size();
    const QPoint grip = form.ImageToolRight->mapToGlobal(
        QPoint(form.ImageToolRight->width() - 6, form.ImageToolRight->height() - 6));
    const QStringList pause{QStringLiteral("sleep"), QStringLiteral("0.2")};
    const QStringList step{QStringLiteral("mousemove_relative"), QStringLiteral("30"), QStringLiteral("20")};
    ASSERT_TRUE(Xdotool(QStringList{QStringLiteral("mousemove"), QString::number(grip.x()), QString::number(grip.y()),
                                    QStringLiteral("mousedown"), QStringLiteral("1")}
                        + pause + step + pause + step + pause + QStringList{QStringLiteral("mouseup"), QStringLiteral("1")}));
    EXPECT_TRUE(WaitFor([&] { return form.width() > before.width() && form.height() > before.height(); }))
        << form.width() << "x" << form.height();
}

}  // namespace
