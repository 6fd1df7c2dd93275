#include "framework/DoubleSizePicture.h"
#include "framework/TImage.h"

#include <QPainter>
#include <gtest/gtest.h>

namespace {

QImage Solid(int width, int height, QRgb color)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

const QImage kBase = Solid(3, 2, 0xFF0000FF);
const QImage kDouble = Solid(6, 4, 0xFFFF0000);

// A widget drawn into a picture of that device pixel ratio.
QImage RenderedAt(QWidget& widget, qreal ratio)
{
    QImage picture(qRound(widget.width() * ratio), qRound(widget.height() * ratio), QImage::Format_RGB32);
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::white);
    widget.render(&picture);
    return picture;
}

} // namespace

TEST(DoubleSizePicture, TheRatioChoosesWhatIsDrawn)
{
    const struct {
        qreal ratio;
        QImage doubleSize;
        QSize size;  // pixels of what is drawn
        qreal drawnRatio;
        QRgb color;
    } cases[] = {
        {1, kDouble, {3, 2}, 1, kBase.pixel(0, 0)},
        {2, kDouble, {6, 4}, 2, kDouble.pixel(0, 0)},
        {3, kDouble, {6, 4}, 2, kDouble.pixel(0, 0)},  // the largest there is, enlarged by the painter
        {1.5, kDouble, {5, 3}, 1.5, kDouble.pixel(0, 0)},
        {1.25, kDouble, {4, 3}, 1.25, kDouble.pixel(0, 0)},
        {2, QImage(), {3, 2}, 1, kBase.pixel(0, 0)},
        {2, Solid(6, 5, 0xFFFF0000), {3, 2}, 1, kBase.pixel(0, 0)},  // not twice: not used
    };
    for (const auto& c : cases) {
        const QImage drawn = PictureForRatio(kBase, c.doubleSize, c.ratio);
        EXPECT_EQ(drawn.size(), c.size) << c.ratio;
        EXPECT_EQ(drawn.devicePixelRatio(), c.drawnRatio) << c.ratio;
        EXPECT_EQ(drawn.pixel(0, 0), c.color) << c.ratio;
    }

    // The painting ratio follows where a painter draws, not the screen the widget is on.
    QImage target(4, 4, QImage::Format_RGB32);
    target.setDevicePixelRatio(2);
    QPainter painter(&target);
    EXPECT_EQ(PaintingRatio(painter), 2);
    painter.rotate(30);
    EXPECT_EQ(PaintingRatio(painter), 2);  // no even scale: the device's ratio
}

// A picture control draws the double-size form wherever it is painted above 1, keeps its 1x
// size, and draws the 1x picture again at 1.
TEST(DoubleSizePicture, APictureControlDrawsTheFormForItsRatio)
{
    QImage doubleSize = kDouble;
    doubleSize.setPixel(1, 0, 0xFF00FF00);  // the second column's top half of the first logical pixel
    TImage picture;
    picture.SetAutoSize(true);
    picture.SetPicture(kBase, doubleSize);
    EXPECT_EQ(picture.size(), kBase.size());
    EXPECT_EQ(picture.DoubleSizePicture(), doubleSize);

    const QImage at2 = RenderedAt(picture, 2);
    EXPECT_EQ(at2.pixel(1, 0), 0xFF00FF00);
    EXPECT_EQ(at2.pixel(0, 1), kDouble.pixel(0, 1));
    EXPECT_EQ(RenderedAt(picture, 1.5).pixel(2, 1), kDouble.pixel(0, 0));
    EXPECT_EQ(RenderedAt(picture, 1).pixel(0, 0), kBase.pixel(0, 0));
    EXPECT_EQ(RenderedAt(picture, 2).pixel(1, 0), 0xFF00FF00);  // back up again

    picture.SetPicture(kBase);  // a picture without a double-size form
    EXPECT_EQ(RenderedAt(picture, 2).pixel(1, 0), kBase.pixel(0, 0));
}
