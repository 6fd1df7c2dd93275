#include "framework/FirstFrame.h"
#include "support/Wait.h"

#include <QEvent>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>

namespace {

// Paints nothing but notes whether it was painted.
class PaintedWidget : public QWidget {
public:
    bool painted = false;

protected:
    void paintEvent(QPaintEvent*) override { painted = true; }
};

TEST(FirstFrame, TheActionRunsOnceInTheTurnAfterTheFirstPaint)
{
    PaintedWidget window;
    window.resize(60, 40);
    int runs = 0;
    bool paintedBefore = false;
    FirstFrame::Then(&window, [&] {
        ++runs;
        paintedBefore = window.painted;
    });
    EXPECT_EQ(runs, 0);
    window.show();
    EXPECT_EQ(runs, 0);  // never inside show itself
    ASSERT_TRUE(WaitFor([&] { return runs == 1; }));
    EXPECT_TRUE(paintedBefore);

    window.hide();
    window.show();
    window.update();
    EXPECT_FALSE(WaitFor([&] { return runs > 1; }, 300));
}

TEST(FirstFrame, NothingRunsForAWindowGoneBeforeItsFirstFrame)
{
    int runs = 0;
    auto window = std::make_unique<QWidget>();
    FirstFrame::Then(window.get(), [&] { ++runs; });
    window->show();
    window.reset();
    EXPECT_FALSE(WaitFor([&] { return runs > 0; }, 300));

    auto hidden = std::make_unique<QWidget>();
    FirstFrame::Then(hidden.get(), [&] { ++runs; });
    EXPECT_FALSE(WaitFor([&] { return runs > 0; }, 300));  // never shown, never exposed
}

}  // namespace
