// A handler that raises is reported to the global handler once, where the component called it,
// and the component keeps working.
#include "error/KestruneError.h"
#include "framework/TApplicationEvents.h"
#include "framework/TImage.h"
#include "framework/TPageControl.h"
#include "framework/TTabSheet.h"
#include "framework/TTimer.h"
#include "support/Wait.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

// The window's hub, recording the messages that reach it.
struct ReportedErrors {
    TApplicationEvents hub;
    QStringList messages;

    ReportedErrors()
    {
        QObject::connect(&hub, &TApplicationEvents::OnException, &hub, [this](QObject*, const std::exception& e) {
            messages << TApplicationEvents::ExceptionMessage(e);
        });
    }
};

TEST(HandlerGuard, ARaisingClickHandlerIsReportedAndTheNextClickStillClicks)
{
    ReportedErrors errors;
    TImage button;
    button.resize(30, 20);
    button.show();
    int clicks = 0;
    int releases = 0;
    QObject::connect(&button, &TControl::OnClick, &button, [&](QObject*) {
        ++clicks;
        throw KestruneError(QStringLiteral("click %1").arg(clicks));
    });
    QObject::connect(&button, &TControl::OnMouseUp, &button,
                     [&](QObject*, Qt::MouseButton, Qt::KeyboardModifiers, int, int) { ++releases; });

    QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(6, 5));
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(releases, 2) << "the release is still reported after a raising click";
    EXPECT_EQ(errors.messages, (QStringList{QStringLiteral("click 1"), QStringLiteral("click 2")}));
}

TEST(HandlerGuard, ARaisingTimerHandlerIsReportedOncePerTickAndTheTimerGoesOn)
{
    ReportedErrors errors;
    TTimer timer;
    timer.SetInterval(5);
    int ticks = 0;
    QObject::connect(&timer, &TTimer::OnTimer, &timer, [&](QObject*) {
        ++ticks;
        throw std::runtime_error("tick");
    });
    timer.SetEnabled(true);
    ASSERT_TRUE(WaitFor([&] { return ticks >= 2; }, 5000));
    timer.SetEnabled(false);
    EXPECT_EQ(errors.messages.size(), ticks);
    EXPECT_EQ(errors.messages.constFirst(), QStringLiteral("tick"));
    EXPECT_FALSE(timer.Enabled());
}

TEST(HandlerGuard, ARaisingPageChangeHandlerLeavesThePageChanged)
{
    ReportedErrors errors;
    TPageControl control;
    control.resize(200, 100);
    auto* first = new TTabSheet(&control);
    auto* second = new TTabSheet(&control);
    first->SetPageControl(&control);
    second->SetPageControl(&control);
    QObject::connect(&control, &TPageControl::OnChange, &control,
                     [](QObject*) { throw KestruneError(QStringLiteral("change")); });

    control.SetActivePage(second);
    control.SetActivePage(first);
    EXPECT_EQ(control.ActivePage(), first);
    EXPECT_TRUE(first->isVisibleTo(&control));
    EXPECT_FALSE(second->isVisibleTo(&control));
    EXPECT_EQ(errors.messages, (QStringList{QStringLiteral("change"), QStringLiteral("change")}));
}

TEST(HandlerGuard, AGlobalHandlerThatRaisesEndsOnStandardErrorNotInATermination)
{
    TApplicationEvents hub;
    QObject::connect(&hub, &TApplicationEvents::OnException, &hub,
                     [](QObject*, const std::exception&) { throw std::runtime_error("handler"); });
    testing::internal::CaptureStderr();
    TApplicationEvents::Guard([] { throw KestruneError(QStringLiteral("first")); });
    const std::string printed = testing::internal::GetCapturedStderr();
    EXPECT_NE(printed.find("first"), std::string::npos);
    EXPECT_NE(printed.find("handler"), std::string::npos);
}

}  // namespace
