#include "skinui/TbsFBitmap.h"

#include <gtest/gtest.h>

TEST(TbsFBitmap, RowsAreBlueGreenRedPaddedToFourBytes)
{
    QImage picture(5, 3, QImage::Format_ARGB32);
    picture.fill(qRgba(0, 0, 0, 0));
    picture.setPixel(4, 2, qRgba(10, 20, 30, 255));
    const TbsFBitmap bitmap(picture);
    EXPECT_EQ(bitmap.Width(), 5);
    EXPECT_EQ(bitmap.Height(), 3);
    EXPECT_EQ(bitmap.Stride(), 16); // 3 * 5 + 5 mod 4
    EXPECT_EQ(bitmap.Padding(), 1);
    EXPECT_EQ(bitmap.Size(), 48);
    EXPECT_EQ(bitmap.Row(2), bitmap.Bits() + 32);
    const uchar* pixel = bitmap.Row(2) + 3 * 4;
    EXPECT_EQ(pixel[0], 30);
    EXPECT_EQ(pixel[1], 20);
    EXPECT_EQ(pixel[2], 10);

    for (const int width : {1, 2, 3, 4, 6, 7}) {
        const TbsFBitmap other(QImage(width, 1, QImage::Format_RGB32));
        EXPECT_EQ(other.Stride(), 3 * width + width % 4) << width;
    }
    const TbsFBitmap empty{QImage()};
    EXPECT_EQ(empty.Width(), 0);
    EXPECT_EQ(empty.Height(), 0);
    EXPECT_EQ(empty.Size(), 0);
}
