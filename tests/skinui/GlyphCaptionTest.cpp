#include "skinui/GlyphCaption.h"
#include "skinui/SkinRect.h"

#include <gtest/gtest.h>

TEST(GlyphCaption, LayoutWithAMarginPutsTheGlyphAtThatDistance)
{
    const QRect r = SkinRect(10, 20, 110, 60); // centre (60, 40)
    const QSize glyph(16, 12);
    const QSize caption(30, 10);
    GlyphCaptionPlacement at = LayoutGlyphAndCaption(blGlyphLeft, r, glyph, caption, 5, 4);
    EXPECT_EQ(at.glyph, QPoint(15, 34));
    EXPECT_EQ(at.caption, QPoint(35, 35));
    at = LayoutGlyphAndCaption(blGlyphRight, r, glyph, caption, 5, 4);
    EXPECT_EQ(at.glyph, QPoint(89, 34));
    EXPECT_EQ(at.caption, QPoint(55, 35));
    at = LayoutGlyphAndCaption(blGlyphTop, r, glyph, caption, 5, 4);
    EXPECT_EQ(at.glyph, QPoint(52, 25));
    EXPECT_EQ(at.caption, QPoint(45, 41));
    at = LayoutGlyphAndCaption(blGlyphBottom, r, glyph, caption, 5, 4);
    EXPECT_EQ(at.glyph, QPoint(52, 43));
    EXPECT_EQ(at.caption, QPoint(45, 29));
}

TEST(GlyphCaption, MarginMinusOneCentresTheBlock)
{
    const QRect r = SkinRect(0, 0, 100, 50);
    // Block 16 + 4 + 30 = 50 wide: 25 free on each side.
    GlyphCaptionPlacement at = LayoutGlyphAndCaption(blGlyphLeft, r, QSize(16, 12), QSize(30, 10), -1, 4);
    EXPECT_EQ(at.glyph, QPoint(25, 19));
    EXPECT_EQ(at.caption, QPoint(45, 20));
    at = LayoutGlyphAndCaption(blGlyphRight, r, QSize(16, 12), QSize(30, 10), -1, 4);
    EXPECT_EQ(at.glyph, QPoint(59, 19));
    EXPECT_EQ(at.caption, QPoint(25, 20));
    // Block 12 + 4 + 10 = 26 high: 12 free above.
    at = LayoutGlyphAndCaption(blGlyphTop, r, QSize(16, 12), QSize(30, 10), -1, 4);
    EXPECT_EQ(at.glyph, QPoint(42, 12));
    EXPECT_EQ(at.caption, QPoint(35, 28));
}

TEST(GlyphCaption, ZeroWidthGlyphIgnoresSpacingAndCentresTheCaptionAlone)
{
    const QRect r = SkinRect(0, 0, 100, 50);
    for (const TbsButtonLayout layout : {blGlyphLeft, blGlyphRight}) {
        const GlyphCaptionPlacement at = LayoutGlyphAndCaption(layout, r, QSize(0, 0), QSize(40, 10), -1, 8);
        EXPECT_EQ(at.caption, QPoint(30, 20)) << layout;
    }
    const GlyphCaptionPlacement top = LayoutGlyphAndCaption(blGlyphTop, r, QSize(0, 0), QSize(40, 10), -1, 8);
    EXPECT_EQ(top.caption, QPoint(30, 20));
}

TEST(GlyphCaption, StripGlyphIsDrawnTransparentlyAndMovesWhenDown)
{
    // Two 4 x 3 glyphs; the bottom-left pixel's colour (white) is transparent.
    QImage strip(8, 3, QImage::Format_RGB32);
    strip.fill(Qt::white);
    strip.setPixel(1, 1, qRgb(255, 0, 0));
    strip.setPixel(5, 1, qRgb(0, 0, 255));
    GlyphSource source;
    source.strip = strip;
    source.glyphCount = 2;
    source.state = 1;
    EXPECT_EQ(source.Size(), QSize(4, 3));

    for (const bool down : {false, true}) {
        QImage canvas(20, 11, QImage::Format_RGB32);
        canvas.fill(qRgb(0, 255, 0));
        QPainter painter(&canvas);
        GlyphCaptionFlags flags = GlyphCaptionFlag::Enabled;
        if (down)
            flags |= GlyphCaptionFlag::Down;
        DrawGlyphAndCaption(painter, QRect(0, 0, 20, 11), 2, 0, blGlyphLeft, QString(), source, flags);
        painter.end();
        const int d = down ? 1 : 0;
        // Glyph at (2, 5 - 1) (+1, +1 when down): only its blue pixel is opaque.
        int painted = 0;
        for (int y = 0; y < 11; ++y)
            for (int x = 0; x < 20; ++x)
                painted += canvas.pixel(x, y) != qRgb(0, 255, 0);
        EXPECT_EQ(painted, 1);
        EXPECT_EQ(canvas.pixel(2 + 1 + d, 4 + 1 + d), qRgb(0, 0, 255));
    }
}

TEST(GlyphCaption, ColourMarkerGoesUnderTheGlyphOrFillsTheInsetRectangle)
{
    QList<QPixmap> images;
    QPixmap glyph(6, 4);
    glyph.fill(Qt::black);
    images << glyph;
    GlyphSource fromList;
    fromList.imageList = &images;
    fromList.index = 0;
    GlyphSource none;
    none.imageList = &images;
    none.index = 1; // out of range: no glyph

    QImage canvas(30, 20, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    {
        QPainter painter(&canvas);
        DrawGlyphAndCaption(painter, QRect(0, 0, 30, 20), 3, 0, blGlyphLeft, QString(), fromList,
                            GlyphCaptionFlag::Enabled | GlyphCaptionFlag::ColorMarker, QColor(255, 0, 0));
    }
    // Glyph at (3, 8)-(9, 12), bar (3, 12)-(9, 15).
    EXPECT_EQ(canvas.pixel(3, 8), qRgb(0, 0, 0));
    EXPECT_EQ(canvas.pixel(3, 12), qRgb(255, 0, 0));
    EXPECT_EQ(canvas.pixel(8, 14), qRgb(255, 0, 0));
    EXPECT_EQ(canvas.pixel(8, 15), qRgb(255, 255, 255));
    EXPECT_EQ(canvas.pixel(9, 12), qRgb(255, 255, 255));

    canvas.fill(Qt::white);
    {
        QPainter painter(&canvas);
        DrawGlyphAndCaption(painter, QRect(0, 0, 30, 20), 3, 0, blGlyphLeft, QString(), none,
                            GlyphCaptionFlag::ColorMarker, QColor(0, 0, 255));
    }
    EXPECT_EQ(canvas.pixel(4, 4), qRgb(0, 0, 255));
    EXPECT_EQ(canvas.pixel(27, 15), qRgb(0, 0, 255));
    EXPECT_EQ(canvas.pixel(3, 4), qRgb(255, 255, 255));
    EXPECT_EQ(canvas.pixel(28, 15), qRgb(255, 255, 255));
    EXPECT_EQ(canvas.pixel(27, 16), qRgb(255, 255, 255));
}
