#include "skinui/LayerUpdate.h"
#include "skinui/SkinUiError.h"
#include "skinui/TbsBitmap.h"

#include <gtest/gtest.h>

TEST(TbsBitmap, ResizeTakesAbsoluteValuesAndSkipsZeroOrUnchangedSizes)
{
    TbsBitmap bitmap;
    EXPECT_TRUE(bitmap.IsNull());
    EXPECT_EQ(bitmap.Canvas(), nullptr);
    bitmap.Resize(-4, 3);
    ASSERT_EQ(bitmap.Image().size(), QSize(4, 3));
    ASSERT_NE(bitmap.Canvas(), nullptr);
    bitmap.Canvas()->fillRect(0, 0, 4, 3, QColor(1, 2, 3));
    bitmap.Resize(4, -3); // unchanged: pixels kept
    EXPECT_EQ(bitmap.Image().pixel(2, 2), qRgb(1, 2, 3));
    bitmap.Resize(0, 7); // zero: nothing happens
    EXPECT_EQ(bitmap.Image().size(), QSize(4, 3));
    bitmap.Resize(5, 3); // new blank pixels
    EXPECT_EQ(bitmap.Image().pixel(2, 2), 0u);
}

TEST(TbsBitmap, FailedAllocationLeavesTheBitmapWithoutPixels)
{
    TbsBitmap bitmap;
    bitmap.Resize(2, 2);
    try {
        bitmap.Resize(600000000, 1); // a row of more bytes than an image may hold
        FAIL() << "no error";
    } catch (const SkinUiError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("Can't allocate the DIB handle"));
    }
    EXPECT_TRUE(bitmap.IsNull());
    EXPECT_EQ(bitmap.Canvas(), nullptr);
}

TEST(TbsBitmap, AlphaComesFromTheMeanOfTheMask)
{
    QImage picture(3, 2, QImage::Format_RGB32);
    picture.fill(qRgb(50, 60, 70));
    TbsBitmap bitmap(picture);
    EXPECT_EQ(bitmap.Image().pixel(0, 0), qRgba(50, 60, 70, 255));
    QImage mask(2, 2, QImage::Format_RGB32); // one column narrower: the last keeps its alpha
    mask.setPixel(0, 0, qRgb(255, 255, 255));
    mask.setPixel(1, 0, qRgb(0, 0, 0));
    mask.setPixel(0, 1, qRgb(10, 20, 31)); // 20.33
    mask.setPixel(1, 1, qRgb(10, 20, 32)); // 20.67
    ComposeAlphaFromMask(bitmap, mask);
    EXPECT_EQ(bitmap.Image().pixel(0, 0), qRgba(50, 60, 70, 255));
    EXPECT_EQ(qAlpha(bitmap.Image().pixel(1, 0)), 0);
    EXPECT_EQ(qAlpha(bitmap.Image().pixel(0, 1)), 20);
    EXPECT_EQ(qAlpha(bitmap.Image().pixel(1, 1)), 21);
    EXPECT_EQ(qAlpha(bitmap.Image().pixel(2, 1)), 255);
    EXPECT_EQ(qRed(bitmap.Image().pixel(1, 1)), 50);
}
