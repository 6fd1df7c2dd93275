#include "skinui/TabStripGeometry.h"

#include <gtest/gtest.h>

namespace {

// The main window's strip: 143 x 30 tabs, 90 pixels from the left of a 915-pixel control.
TabStripGeometry MainStrip(int tabs)
{
    TabStripGeometry geometry;
    geometry.controlWidth = 915;
    geometry.tabsOffset = 90;
    geometry.fixedTabWidth = 143;
    geometry.tabHeight = 30;
    geometry.tabWidths = QList<int>(tabs, 143);
    return geometry;
}

TEST(TabStripGeometry, TabsFollowTheOffsetAndTheFirstStartsOnePixelFurther)
{
    const TabStripGeometry geometry = MainStrip(3);
    EXPECT_EQ(geometry.TabRect(0), QRect(QPoint(91, 0), QPoint(232, 29)));
    EXPECT_EQ(geometry.TabRect(0).width(), 142);
    EXPECT_EQ(geometry.TabRect(1), QRect(233, 0, 143, 30));
    EXPECT_EQ(geometry.TabRect(2), QRect(376, 0, 143, 30));  // x 376 to 519, right exclusive
    EXPECT_TRUE(geometry.TabRect(3).isNull());
    EXPECT_TRUE(geometry.TabRect(-1).isNull());
}

TEST(TabStripGeometry, StripOffsetFromTabsOffsetOrCentring)
{
    TabStripGeometry geometry = MainStrip(3);
    EXPECT_EQ(geometry.StripOffset(), 90);
    EXPECT_TRUE(geometry.OffsetInEffect());

    geometry.tabsOffset = 0;  // centring: 915/2 - 429/2 = 457 - 214
    EXPECT_EQ(geometry.StripOffset(), 243);
    EXPECT_FALSE(geometry.OffsetInEffect());
    EXPECT_EQ(geometry.EffectiveOffset(), 0);
    EXPECT_EQ(geometry.TabRect(0).left(), 1);
    geometry.tabsInCenter = true;
    EXPECT_EQ(geometry.EffectiveOffset(), 243);
    EXPECT_EQ(geometry.TabRect(0).left(), 244);

    geometry.tabWidths = QList<int>(7, 143);  // wider than the control: no negative offset
    EXPECT_EQ(geometry.StripOffset(), 0);
    geometry.tabsOffset = -5;
    EXPECT_EQ(geometry.StripOffset(), 0);
    geometry.fixedTabWidth = 0;  // automatic widths cannot be centred
    geometry.tabWidths = {40, 50};
    EXPECT_EQ(geometry.StripOffset(), 0);
    EXPECT_EQ(geometry.TabRect(1), QRect(40, 0, 50, 30));
}

TEST(TabStripGeometry, ScrollingMovesEveryTabLeftAndHitTestingFollows)
{
    TabStripGeometry geometry = MainStrip(8);
    geometry.scrolledTabs = 2;
    EXPECT_EQ(geometry.TabRect(2), QRect(90, 0, 143, 30));  // only the very first tab is narrowed
    EXPECT_EQ(geometry.TabRect(0).right(), 90 + 143 - 286 - 1);
    EXPECT_EQ(geometry.TabAt(QPoint(91, 5)), 2);
    // Tab 1 still reaches into the control left of the strip, but it is scrolled out.
    EXPECT_EQ(geometry.TabRect(1), QRect(-53, 0, 143, 30));
    EXPECT_FALSE(geometry.Shown(1));
    EXPECT_TRUE(geometry.Shown(2));
    EXPECT_FALSE(geometry.Shown(8));
    EXPECT_EQ(geometry.TabAt(QPoint(50, 5)), -1);
    geometry.scrolledTabs = 0;
    EXPECT_EQ(geometry.TabAt(QPoint(90, 5)), -1);
    EXPECT_EQ(geometry.TabAt(QPoint(91, 5)), 0);
    EXPECT_EQ(geometry.TabAt(QPoint(233, 29)), 1);
    EXPECT_EQ(geometry.TabAt(QPoint(233, 30)), -1);
    EXPECT_EQ(geometry.TabAt(QPoint(90 + 8 * 143, 0)), -1);
}

TEST(TabStripGeometry, PlacesInsideATabFollowTheTabAndFrameworkPointsComeBack)
{
    TabStripGeometry geometry = MainStrip(4);
    const QRect glyph(124, 8, 12, 12);
    EXPECT_EQ(geometry.InTab(2, glyph), QRect(500, 8, 12, 12));
    EXPECT_EQ(geometry.InTab(0, glyph), QRect(91 + 124, 8, 12, 12)) << "inside the narrowed first tab";
    EXPECT_TRUE(geometry.InTab(4, glyph).isNull());
    geometry.scrolledTabs = 1;
    EXPECT_EQ(geometry.InTab(2, glyph), QRect(500 - 143, 8, 12, 12));
    EXPECT_EQ(geometry.FromFramework(QPoint(310, 4)), QPoint(400, 4));
    geometry.tabsOffset = 0;  // neither offset nor centring in effect: no shift
    EXPECT_EQ(geometry.FromFramework(QPoint(310, 4)), QPoint(310, 4));
}

}  // namespace
