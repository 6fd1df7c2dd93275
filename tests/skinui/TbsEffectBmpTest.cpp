#include "skinui/TbsEffectBmp.h"
#include "skinui/SkinUiError.h"

#include <gtest/gtest.h>

namespace {

// A 3 x 2 picture of known colours.
QImage Known()
{
    QImage image(3, 2, QImage::Format_RGB32);
    image.setPixel(0, 0, qRgb(200, 100, 10));
    image.setPixel(1, 0, qRgb(0, 0, 0));
    image.setPixel(2, 0, qRgb(255, 255, 255));
    image.setPixel(0, 1, qRgb(1, 2, 3));
    image.setPixel(1, 1, qRgb(60, 120, 240));
    image.setPixel(2, 1, qRgb(33, 66, 99));
    return image;
}

QRgb At(const TbsEffectBmp& bmp, int x, int y)
{
    return bmp.Image().pixel(x, y);
}

} // namespace

TEST(TbsEffectBmp, LightenDarkenGreyInvert)
{
    TbsEffectBmp lighter(Known());
    lighter.Lighten(0.5);
    EXPECT_EQ(At(lighter, 0, 0), qRgb(228, 178, 133)); // 227.5, 177.5, 132.5 rounded
    EXPECT_EQ(At(lighter, 1, 0), qRgb(128, 128, 128));
    EXPECT_EQ(At(lighter, 2, 0), qRgb(255, 255, 255));

    TbsEffectBmp darker(Known());
    darker.Darken(0.3);
    EXPECT_EQ(At(darker, 0, 0), qRgb(140, 70, 7));
    EXPECT_EQ(At(darker, 1, 1), qRgb(42, 84, 168));

    TbsEffectBmp grey(Known());
    grey.Grey();
    EXPECT_EQ(At(grey, 0, 0), qRgb(120, 120, 120)); // 60 + 59 + 1.1
    EXPECT_EQ(At(grey, 1, 1), qRgb(115, 115, 115)); // 18 + 70.8 + 26.4
    EXPECT_EQ(At(grey, 2, 0), qRgb(255, 255, 255));

    TbsEffectBmp inverted(Known());
    inverted.Invert();
    EXPECT_EQ(At(inverted, 0, 0), qRgb(55, 155, 245));
    EXPECT_EQ(At(inverted, 1, 1), qRgb(195, 135, 15));
}

TEST(TbsEffectBmp, NoiseAddsOneClampedOffsetPerPixel)
{
    QImage flat(4, 3, QImage::Format_RGB32);
    flat.fill(qRgb(10, 128, 250));
    TbsEffectBmp noisy(flat);
    QRandomGenerator random(42);
    noisy.Noise(random);
    QRandomGenerator replay(42);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x) {
            const int delta = int(replay.bounded(50)) - 25;
            ASSERT_GE(delta, -25);
            ASSERT_LE(delta, 24);
            EXPECT_EQ(At(noisy, x, y),
                      qRgb(std::clamp(10 + delta, 0, 255), 128 + delta, std::clamp(250 + delta, 0, 255)))
                << x << "," << y;
        }
}

TEST(TbsEffectBmp, BlurAveragesTheDiagonalNeighboursClampedAtTheEdges)
{
    QImage image(3, 3, QImage::Format_RGB32);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 3; ++x)
            image.setPixel(x, y, qRgb(10 * (3 * y + x), 0, 255));
    // red: 0 10 20 / 30 40 50 / 60 70 80
    TbsEffectBmp blurred(image);
    blurred.Blur();
    EXPECT_EQ(qRed(At(blurred, 1, 1)), 40);  // (0 + 20 + 60 + 80) / 4
    EXPECT_EQ(qRed(At(blurred, 0, 0)), 20);  // (0 + 10 + 30 + 40) / 4, edge stands in
    EXPECT_EQ(qRed(At(blurred, 2, 2)), 60);  // (40 + 50 + 70 + 80) / 4
    EXPECT_EQ(qRed(At(blurred, 1, 0)), 25);  // (0 + 20 + 30 + 50) / 4
    EXPECT_EQ(qBlue(At(blurred, 1, 1)), 255);
}

TEST(TbsEffectBmp, BlendMixesEqualSizedPictures)
{
    QImage white(3, 2, QImage::Format_RGB32);
    white.fill(qRgb(255, 255, 255));
    TbsEffectBmp mixed(Known());
    mixed.Blend(TbsEffectBmp(white), 0.25);
    EXPECT_EQ(At(mixed, 0, 0), qRgb(214, 139, 71)); // 213.75, 138.75, 71.25
    TbsEffectBmp clamped(Known());
    clamped.Blend(TbsEffectBmp(white), 7.0);
    EXPECT_EQ(At(clamped, 1, 0), qRgb(255, 255, 255));
    TbsEffectBmp unchanged(Known());
    unchanged.Blend(TbsEffectBmp(white), -1.0);
    EXPECT_EQ(unchanged.Image(), TbsEffectBmp(Known()).Image());
    EXPECT_THROW(mixed.Blend(TbsEffectBmp(QImage(2, 2, QImage::Format_RGB32)), 0.5), SkinUiError);
}

TEST(TbsEffectBmp, InactiveEffectNumbersSelectTheEffects)
{
    QRandomGenerator random(1);
    TbsEffectBmp byNumber(Known());
    byNumber.ApplyInactiveEffect(5, random);
    TbsEffectBmp direct(Known());
    direct.Invert();
    EXPECT_EQ(byNumber.Image(), direct.Image());
    TbsEffectBmp none(Known());
    none.ApplyInactiveEffect(6, random);
    EXPECT_EQ(none.Image(), TbsEffectBmp(Known()).Image());
    TbsEffectBmp lighter(Known());
    lighter.ApplyInactiveEffect(0, random);
    EXPECT_EQ(At(lighter, 1, 0), qRgb(128, 128, 128));
}
