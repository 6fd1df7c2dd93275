#include "skinui/SkinGlyphs.h"
#include "SkinPixelTestSupport.h"

#include <gtest/gtest.h>

namespace {

const QRgb kInk = qRgb(10, 20, 30);

QImage Canvas(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

QStringList Arrow(ArrowGlyph glyph)
{
    QImage image = Canvas(9, 9);
    QPainter painter(&image);
    DrawArrowGlyph(painter, glyph, QRect(0, 0, 9, 9), QColor(kInk));
    painter.end();
    return InkPattern(image, kInk);
}

QStringList Frame(FrameGlyph glyph, int w, int h)
{
    QImage image = Canvas(w + 2, h + 2);
    QPainter painter(&image);
    DrawFrameGlyph(painter, glyph, QPoint(1, 1), QColor(kInk));
    painter.end();
    // Drop the one-pixel border, after checking nothing landed in it.
    const QStringList rows = InkPattern(image, kInk);
    QStringList inner;
    for (int y = 1; y <= h; ++y)
        inner << rows[y].mid(1, w);
    EXPECT_EQ(rows.join(QString()).count(QLatin1Char('#')), inner.join(QString()).count(QLatin1Char('#')));
    return inner;
}

QStringList Rows(std::initializer_list<const char*> rows)
{
    QStringList list;
    for (const char* row : rows)
        list << QString::fromLatin1(row);
    return list;
}

} // namespace

TEST(SkinGlyphs, ArrowsCentredInTheirRectangle)
{
    EXPECT_EQ(Arrow(ArrowGlyph::Left), Rows({".........", ".....#...", "....##...", "...###...", "..####...",
                                            "...###...", "....##...", ".....#...", "........."}));
    EXPECT_EQ(Arrow(ArrowGlyph::Right), Rows({".........", "...#.....", "...##....", "...###...", "...####..",
                                             "...###...", "...##....", "...#.....", "........."}));
    EXPECT_EQ(Arrow(ArrowGlyph::Up), Rows({".........", ".........", "....#....", "...###...", "..#####..",
                                          ".#######.", ".........", ".........", "........."}));
    EXPECT_EQ(Arrow(ArrowGlyph::Down), Rows({".........", ".........", ".........", ".#######.", "..#####..",
                                            "...###...", "....#....", ".........", "........."}));
    EXPECT_EQ(Arrow(ArrowGlyph::SmallDown), Rows({".........", ".........", ".........", ".........",
                                                 "..#####..", "...###...", "....#....", ".........", "........."}));
}

TEST(SkinGlyphs, CaptionButtonGlyphs)
{
    EXPECT_EQ(Frame(FrameGlyph::CheckMark, 8, 8),
              Rows({"........", "......#.", ".....##.", "#...###.", "##.###..", "#####...", ".###....", "..#....."}));
    EXPECT_EQ(Frame(FrameGlyph::Close, 11, 10),
              Rows({"...........", ".##.....##.", "..##...##..", "...##.##...", "....###....",
                    "....###....", "...##.##...", "..##...##..", ".##.....##.", "..........."}));
    EXPECT_EQ(Frame(FrameGlyph::Minimize, 10, 10),
              Rows({"..........", "..........", "..........", "..........", "..........",
                    "..........", "..........", "..........", ".########.", ".########."}));
    EXPECT_EQ(Frame(FrameGlyph::Maximize, 11, 10),
              Rows({"###########", "###########", "#.........#", "#.........#", "#.........#",
                    "#.........#", "#.........#", "#.........#", "#.........#", "###########"}));
    EXPECT_EQ(Frame(FrameGlyph::Restore, 10, 10),
              Rows({"..########", "..########", "..#......#", "..#......#", "#######..#",
                    "##########", "#.....#...", "#.....#...", "#.....#...", "#######..."}));
}

TEST(SkinGlyphs, RollSystemMenuAndTrayGlyphs)
{
    EXPECT_EQ(Frame(FrameGlyph::RollDown, 10, 7),
              Rows({"..........", "..........", ".########.", "..######..", "...####...", "....##....", ".........."}));
    EXPECT_EQ(Frame(FrameGlyph::RollUp, 10, 7),
              Rows({"..........", "..........", "..........", "....##....", "...####...", "..######..", ".########."}));
    EXPECT_EQ(Frame(FrameGlyph::SystemMenu, 10, 7),
              Rows({"..........", "..........", "..........", ".########.", ".#......#.", ".########.", ".........."}));
    EXPECT_EQ(Frame(FrameGlyph::ToTray, 8, 8),
              Rows({"........", "........", "..#####.", "..#####.", "..#####.", "..#####.", "..#####.", "........"}));
}

TEST(SkinGlyphs, DottedFocusRectAlternatesAroundTheCorners)
{
    const auto dotted = [](const QRect& r, int w, int h) {
        QImage image = Canvas(w, h);
        QPainter painter(&image);
        painter.setPen(QColor(kInk));
        DrawDottedFocusRect(painter, r);
        painter.end();
        return InkPattern(image, kInk);
    };
    // Walked size 5 x 4: the first pixel is set.
    EXPECT_EQ(dotted(QRect(0, 0, 6, 5), 7, 6),
              Rows({"#.#.#..", ".....#.", "#......", ".....#.", "#.#.#..", "......."}));
    // Walked size 4 x 4, both even: the first pixel is skipped.
    EXPECT_EQ(dotted(QRect(1, 1, 5, 5), 7, 7),
              Rows({".......", "..#.#..", ".#...#.", ".......", ".#...#.", "..#.#..", "......."}));
    // A one-pixel-high rectangle (walked 4 x 0) is a dotted line; an empty one draws nothing.
    EXPECT_EQ(dotted(QRect(0, 0, 5, 1), 5, 1), Rows({".#.#."}));
    EXPECT_EQ(dotted(QRect(0, 0, 0, 3), 2, 2), Rows({"..", ".."}));
}
