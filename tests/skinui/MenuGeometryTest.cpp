#include "skinui/MenuGeometry.h"

#include "skinui/SkinRect.h"

#include <gtest/gtest.h>

namespace {

MenuGeometry::Sizing PlainSizing(const QList<int>& heights)
{
    MenuGeometry::Sizing sizing;
    sizing.itemsMargins = QMargins(2, 2, 2, 2);
    sizing.itemWidth = 50;
    sizing.heights = heights;
    sizing.limitItemHeight = 20;
    sizing.workAreaHeight = 600;
    sizing.plainMarkers = true;
    return sizing;
}

TEST(MenuGeometry, ItemsStackInTheirHeightsInsideTheItemsRectangle)
{
    const MenuGeometry geometry(PlainSizing({20, 4, 20}));
    EXPECT_EQ(geometry.Size(), QSize(54, 48));
    EXPECT_EQ(geometry.ItemsRect(), SkinRect(2, 2, 52, 46));
    EXPECT_FALSE(geometry.Scrolling());
    EXPECT_EQ(geometry.ItemRect(0, 0), SkinRect(2, 2, 52, 22));
    EXPECT_EQ(geometry.ItemRect(1, 0), SkinRect(2, 22, 52, 26));
    EXPECT_EQ(geometry.ItemRect(2, 0), SkinRect(2, 26, 52, 46));
    EXPECT_EQ(geometry.LastShown(0), 2);
    EXPECT_TRUE(geometry.UpMarker().isEmpty());
    // The point test takes edges in; a shared edge goes to the upper item.
    EXPECT_EQ(geometry.ItemAt({2, 2}, 0), 0);
    EXPECT_EQ(geometry.ItemAt({52, 22}, 0), 0);
    EXPECT_EQ(geometry.ItemAt({30, 23}, 0), 1);
    EXPECT_EQ(geometry.ItemAt({30, 46}, 0), 2);
    EXPECT_EQ(geometry.ItemAt({30, 47}, 0), -1);
    EXPECT_EQ(geometry.ItemAt({1, 10}, 0), -1);
}

TEST(MenuGeometry, AnItemLimitMakesTheLevelScrollBetweenMarkers)
{
    MenuGeometry::Sizing sizing = PlainSizing(QList<int>(10, 20));
    sizing.maxItems = 3;
    const MenuGeometry geometry(sizing);
    EXPECT_EQ(geometry.Size(), QSize(54, 3 * 20 + 4 + 20));
    EXPECT_TRUE(geometry.Scrolling());
    EXPECT_FALSE(geometry.ScrollsByHeight());
    EXPECT_EQ(geometry.ItemRect(0, 0), SkinRect(2, 12, 52, 32));
    EXPECT_EQ(geometry.LastShown(0), 2);
    EXPECT_TRUE(geometry.ItemRect(3, 0).isEmpty());
    EXPECT_EQ(geometry.ItemRect(4, 2), SkinRect(2, 52, 52, 72));
    EXPECT_EQ(geometry.LastShown(7), 9);
    // Scrolling to show an item moves as little as it can.
    EXPECT_EQ(geometry.TopShowing(5, 0), 3);
    EXPECT_EQ(geometry.TopShowing(1, 3), 1);
    EXPECT_EQ(geometry.TopShowing(4, 3), 3);
    EXPECT_EQ(geometry.UpMarker(), SkinRect(3, 3, 51, 13));
    EXPECT_EQ(geometry.DownMarker(), SkinRect(3, 71, 51, 81));
}

TEST(MenuGeometry, ALevelTallerThanTheWorkAreaIsCutToIt)
{
    MenuGeometry::Sizing sizing = PlainSizing(QList<int>(40, 20));
    sizing.workAreaHeight = 300;
    sizing.plainMarkers = false;
    const MenuGeometry geometry(sizing);
    EXPECT_EQ(geometry.Size(), QSize(54, 300));
    EXPECT_TRUE(geometry.ScrollsByHeight());
    // Between the markers: (298 - 10) - (2 + 10) = 276 pixels, 13 items of 20.
    EXPECT_EQ(geometry.LastShown(0), 12);
    EXPECT_EQ(geometry.UpMarker(), SkinRect(2, 2, 52, 12));
    EXPECT_EQ(geometry.DownMarker(), SkinRect(2, 288, 52, 298));
}

}  // namespace
