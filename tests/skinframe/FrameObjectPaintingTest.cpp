#include "skinframe/FrameObjectPainting.h"

#include "skinui/CellHeightFont.h"

#include <QPainter>
#include <gtest/gtest.h>

namespace {

const QRgb kBack = qRgb(255, 255, 255);
const QRgb kInactiveText = qRgb(200, 0, 0);
const QRgb kActiveText = qRgb(0, 0, 200);
const QRgb kLight = qRgb(0, 180, 0);

// A caption object 120 x 20 whose text rectangle keeps 10 pixels from either end.
TbsActiveSkinObject Caption(TbsSkinAlignment alignment)
{
    TbsActiveSkinObject caption;
    caption.Kind = FrameObjectKind::Caption;
    caption.SkinRect = QRect(0, 0, 120, 20);
    caption.ObjectRect = caption.SkinRect;
    FrameCaptionLook& look = caption.Caption;
    look.font = FontWithCellHeight(QStringLiteral("Arial"), 14);
    look.font.setStyleStrategy(QFont::NoAntialias);
    look.fontColor = QColor(kInactiveText);
    look.activeFontColor = QColor(kActiveText);
    look.alignment = alignment;
    look.textRect = QRect(10, 0, 100, 20);
    return caption;
}

QImage Painted(const TbsActiveSkinObject& caption, const QString& text, bool active)
{
    QImage image(120, 20, QImage::Format_RGB32);
    image.fill(kBack);
    FrameObjectPaint paint;
    paint.caption = text;
    paint.formActive = active;
    QPainter painter(&image);
    PaintFrameObject(painter, caption, paint);
    return image;
}

// Where pixels of a colour lie (any but the background for an invalid colour), and how many.
QRect Ink(const QImage& image, QRgb color, int* count = nullptr)
{
    QRect ink;
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == color || (color == 0 && image.pixel(x, y) != kBack)) {
                ink |= QRect(x, y, 1, 1);
                ++n;
            }
    if (count)
        *count = n;
    return ink;
}

TEST(FrameObjectPainting, TheCaptionTextIsAlignedInItsTextRectangleAndCutWithDots)
{
    const QRect left = Ink(Painted(Caption(TbsSkinAlignment::LeftJustify), QStringLiteral("Kestrune"), true), 0);
    EXPECT_LE(qAbs(left.left() - 10), 2);
    const QRect right = Ink(Painted(Caption(TbsSkinAlignment::RightJustify), QStringLiteral("Kestrune"), true), 0);
    EXPECT_LE(qAbs(right.right() - 109), 2);
    const QRect centre = Ink(Painted(Caption(TbsSkinAlignment::Center), QStringLiteral("Kestrune"), true), 0);
    EXPECT_LE(qAbs(centre.center().x() - 60), 2);
    EXPECT_LE(qAbs(centre.center().y() - 10), 3) << "vertically centred";
    EXPECT_EQ(left.width(), right.width());

    const QString longCaption = QStringLiteral("A caption far too long for its place on the frame");
    const QImage cut = Painted(Caption(TbsSkinAlignment::LeftJustify), longCaption, true);
    const QRect ink = Ink(cut, 0);
    EXPECT_GE(ink.left(), 10);
    EXPECT_LT(ink.right(), 110) << "cut to the text rectangle";
    // The cut ends in "...": three dots on the baseline, nothing above them.
    const QImage dots = cut.copy(QRect(ink.right() - 1, 0, 2, 20));
    EXPECT_LE(Ink(dots, 0).height(), 3);
}

TEST(FrameObjectPainting, TheCaptionTakesItsActiveOrInactiveColoursAndItsLightCopy)
{
    int activeInk = 0, inactiveInk = 0;
    const QImage active = Painted(Caption(TbsSkinAlignment::Center), QStringLiteral("Kestrune"), true);
    Ink(active, kActiveText, &activeInk);
    Ink(active, kInactiveText, &inactiveInk);
    EXPECT_GT(activeInk, 0);
    EXPECT_EQ(inactiveInk, 0);
    const QImage inactive = Painted(Caption(TbsSkinAlignment::Center), QStringLiteral("Kestrune"), false);
    Ink(inactive, kActiveText, &activeInk);
    Ink(inactive, kInactiveText, &inactiveInk);
    EXPECT_EQ(activeInk, 0);
    EXPECT_GT(inactiveInk, 0);

    TbsActiveSkinObject lit = Caption(TbsSkinAlignment::Center);
    lit.Caption.light = true;
    lit.Caption.activeLightColor = QColor(kLight);
    const QImage withLight = Painted(lit, QStringLiteral("Kestrune"), true);
    const QRect text = Ink(withLight, kActiveText);
    const QRect light = Ink(withLight, kLight);
    ASSERT_FALSE(light.isEmpty());
    EXPECT_EQ(light.topLeft(), text.topLeft() - QPoint(1, 1)) << "one pixel up and left, under the text";
}

}  // namespace
