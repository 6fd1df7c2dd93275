#include "skinui/MenuPlacement.h"

#include "skinui/SkinRect.h"

#include <gtest/gtest.h>

namespace {

const QRect kWorkArea(0, 0, 800, 600);

MenuPlacement Placement(const QRect& anchor, QSize size, bool subMenu = false, bool upward = false)
{
    MenuPlacement placement;
    placement.anchor = anchor;
    placement.workArea = kWorkArea;
    placement.size = size;
    placement.itemsTop = 3;
    placement.subMenu = subMenu;
    placement.upward = upward;
    return placement;
}

QRect Point(int x, int y)
{
    return QRect(x, y, 0, 0);
}

TEST(MenuPlacement, LevelsOpenBesideTheirAnchorAndStayInTheWorkArea)
{
    const struct {
        const char* what;
        MenuPlacement placement;
        QPoint expected;
    } cases[] = {
        {"below and right of a point", Placement(Point(100, 100), {100, 60}), {100, 100}},
        {"near the bottom-right corner: above the point, moved left to end at the right edge",
         Placement(Point(790, 590), {100, 60}), {700, 530}},
        {"no room below, anchor in the upper half: ends at the bottom, beside the anchor",
         Placement(SkinRect(10, 250, 40, 280), {100, 400}), {41, 200}},
        {"no room below or above, lower half: at the top, beside the anchor",
         Placement(Point(10, 400), {100, 500}), {11, 0}},
        {"anchor left of the work area: moved right to its edge",
         Placement(Point(-30, 100), {100, 60}), {0, 100}},
        {"upward: above the button", Placement(SkinRect(50, 300, 150, 320), {100, 60}, false, true), {50, 240}},
        {"upward without room above, upper half: below the button",
         Placement(SkinRect(50, 20, 150, 40), {100, 60}, false, true), {50, 40}},
        {"upward, below does not fit either: moved up and beside the button",
         Placement(SkinRect(50, 20, 150, 40), {100, 580}, false, true), {151, 20}},
        {"upward without room above, lower half: at the top, beside",
         Placement(SkinRect(50, 350, 150, 370), {100, 400}, false, true), {151, 0}},
        {"sub-menu: first item level with the parent item, right of it",
         Placement(SkinRect(200, 100, 300, 120), {100, 60}, true), {301, 97}},
        {"sub-menu near the right edge: left of its parent",
         Placement(SkinRect(650, 100, 750, 120), {100, 60}, true), {549, 97}},
        {"sub-menu that would pass the bottom, lower half: its last item level with the parent",
         Placement(SkinRect(200, 500, 300, 520), {100, 200}, true), {301, 323}},
        {"sub-menu that would pass the bottom, upper half: ends at the bottom",
         Placement(SkinRect(200, 250, 300, 270), {100, 400}, true), {301, 200}},
        {"sub-menu too wide for either side: kept on the screen",
         Placement(SkinRect(300, 100, 500, 120), {400, 60}, true), {0, 97}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.placement.TopLeft(), c.expected) << c.what;
}

TEST(MenuPlacement, ALevelCutToTheWorkAreasHeightStartsAtItsTop)
{
    MenuPlacement placement = Placement(Point(100, 300), {100, 600});
    placement.scrollsByHeight = true;
    EXPECT_EQ(placement.TopLeft(), QPoint(101, 0));
    placement.subMenu = true;
    placement.anchor = SkinRect(650, 300, 750, 320);
    EXPECT_EQ(placement.TopLeft(), QPoint(549, 0));
}

}  // namespace
