#include "skinui/MonitorWorkArea.h"

#include <gtest/gtest.h>

namespace {

// Two screens side by side, the right one larger and lower: (0,0)-(1280,800) and
// (1280,100)-(3200,1180).
const QList<QRect> kTwoScreens{QRect(0, 0, 1280, 800), QRect(1280, 100, 1920, 1080)};

TEST(MonitorWorkArea, TheScreenARectangleOverlapsMostWinsAndTheNearestCentreOnlyWhenNoneOverlaps)
{
    const struct {
        const char* what;
        QRect rect;
        int screen;
    } cases[] = {
        {"inside the left screen", QRect(100, 100, 300, 200), 0},
        {"inside the right screen", QRect(2000, 500, 300, 200), 1},
        {"mostly on the left screen", QRect(1000, 200, 400, 100), 0},
        {"mostly on the right screen", QRect(1180, 200, 400, 100), 1},
        // Nearer the left screen's edge than the right one's centre, but lying on the right
        // screen: overlap decides, not distance.
        {"a small window just inside the large screen", QRect(1290, 110, 20, 20), 1},
        {"a point (zero size) on the right screen", QRect(1300, 150, 0, 0), 1},
        {"a point on the left screen", QRect(1279, 799, 0, 0), 0},
        {"equal overlap: the first screen", QRect(1180, 200, 200, 100), 0},
        {"left of everything", QRect(-500, 300, 100, 100), 0},
        {"below the right screen", QRect(2500, 1500, 100, 100), 1},
        {"above the gap between the screens, nearer the right centre", QRect(2000, -400, 50, 50), 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ScreenIndexForRect(kTwoScreens, c.rect), c.screen) << c.what;
    EXPECT_EQ(ScreenIndexForRect({}, QRect(0, 0, 10, 10)), -1);
}

}  // namespace
