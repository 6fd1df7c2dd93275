#include "skinui/ColorKeyCopy.h"

#include "skinui/SkinPixelTestSupport.h"

#include <QPainter>
#include <gtest/gtest.h>

namespace {

// A coordinate picture whose pixels at x = 1 carry the key colour (once with an alpha that
// must not matter).
const QColor kKey(255, 0, 255);

QImage KeyedPicture()
{
    QImage picture = CoordinateImage(4, 3).convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < 3; ++y)
        picture.setPixel(1, y, qRgba(255, 0, 255, y == 2 ? 0x80 : 0xFF));
    return picture;
}

QImage Background(const QSize& size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(qRgb(1, 2, 3));
    return image;
}

TEST(ColorKeyCopy, KeyPixelsLetTheBackgroundThroughAtAnyScale)
{
    const QImage picture = KeyedPicture();
    // Source coordinates expected at each target pixel; (-1, -1) where the background shows.
    const auto keyedOrSource = [](int sx, int sy) { return sx == 1 ? QPoint(-1, -1) : QPoint(sx, sy); };
    const struct {
        const char* what;
        QRect source;
        QRect target;
        std::function<QPoint(int, int)> expected;
    } rows[] = {
        {"one to one", QRect(0, 0, 4, 3), QRect(0, 0, 4, 3), [&](int x, int y) { return keyedOrSource(x, y); }},
        {"a part moved", QRect(1, 1, 3, 2), QRect(2, 0, 3, 2),
         [&](int x, int y) { return x < 2 || y > 1 ? QPoint(-1, -1) : keyedOrSource(x - 1, y + 1); }},
        {"twice the size, no smoothing", QRect(0, 0, 4, 3), QRect(0, 0, 8, 6),
         [&](int x, int y) { return keyedOrSource(x / 2, y / 2); }},
        {"cut to the picture", QRect(2, 1, 5, 5), QRect(0, 0, 5, 5),
         [&](int x, int y) { return x < 2 && y < 2 ? keyedOrSource(x + 2, y + 1) : QPoint(-1, -1); }},
        {"cut and scaled", QRect(-1, 0, 2, 3), QRect(0, 0, 4, 3),
         [&](int x, int y) { return x < 2 ? QPoint(-1, -1) : keyedOrSource(0, y); }},
        {"an inverted skin rectangle (right left of left) is empty", QRect(QPoint(3, 0), QPoint(0, 2)),
         QRect(0, 0, 4, 3), [](int, int) { return QPoint(-1, -1); }},
    };
    for (const auto& row : rows) {
        QImage target = Background(QSize(8, 6));
        {
            QPainter painter(&target);
            DrawColorKeyed(painter, row.target, picture, row.source, kKey);
        }
        EXPECT_EQ(FirstMismatch(target, [&](int x, int y) {
                      return row.target.contains(x, y) ? row.expected(x, y) : QPoint(-1, -1);
                  }),
                  "")
            << row.what;
        EXPECT_FALSE(InkPattern(target, kKey.rgb()).join(QString()).contains(u'#'))
            << row.what << ": the background shows, not the key colour";
    }
}

TEST(ColorKeyCopy, TheKeyedPartIsTransparentWhereTheKeyWas)
{
    const QImage part = ColorKeyed(KeyedPicture(), QRect(0, 0, 3, 3), kKey);
    ASSERT_EQ(part.size(), QSize(3, 3));
    EXPECT_EQ(InkPattern(part.convertToFormat(QImage::Format_ARGB32), 0).join(u'|'), QStringLiteral(".#.|.#.|.#."))
        << "alpha 0 (and nothing else) where the key was, whatever the key pixel's own alpha";
    EXPECT_TRUE(ColorKeyed(KeyedPicture(), QRect(10, 10, 2, 2), kKey).isNull()) << "wholly outside the picture";
}

}  // namespace
