#include "framework/TPageControl.h"
#include "framework/TTabSheet.h"

#include <QCoreApplication>
#include <QPaintEvent>
#include <gtest/gtest.h>

namespace {

// Counts the control's paint requests, to see which sheet changes reach the strip.
class CountingPageControl : public TPageControl {
public:
    int paints = 0;

protected:
    void paintEvent(QPaintEvent* event) override
    {
        ++paints;
        TPageControl::paintEvent(event);
    }
};

TEST(TTabSheet, StartsOutsideAnyControlWithAVisibleTab)
{
    TTabSheet sheet;
    EXPECT_EQ(sheet.PageControl(), nullptr);
    EXPECT_EQ(sheet.PageIndex(), -1);
    EXPECT_TRUE(sheet.TabVisible());
    EXPECT_TRUE(sheet.Caption().isEmpty());
    sheet.SetTag(7);
    EXPECT_EQ(sheet.Tag(), 7);
}

TEST(TTabSheet, CaptionAndTabVisibilityChangesRepaintTheStrip)
{
    CountingPageControl control;
    control.resize(200, 100);
    auto* sheet = new TTabSheet(&control);
    sheet->SetPageControl(&control);
    control.show();
    QCoreApplication::processEvents();
    control.paints = 0;
    sheet->SetCaption(QStringLiteral(" 新页面0  "));
    QCoreApplication::processEvents();
    EXPECT_EQ(sheet->Caption(), QStringLiteral(" 新页面0  "));
    EXPECT_GT(control.paints, 0);
    control.paints = 0;
    sheet->SetTabVisible(false);
    QCoreApplication::processEvents();
    EXPECT_GT(control.paints, 0);
}

}  // namespace
