#pragma once

#include <QFlags>
#include <QImage>
#include <QList>
#include <QPainter>
#include <QPixmap>

// Where a control puts its glyph relative to its caption.
enum TbsButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

struct GlyphCaptionPlacement {
    QPoint glyph;
    QPoint caption;
};

// Top-left corners of glyph and caption in rect. margin is the distance of the glyph from the
// rect's edge on the layout's side; -1 centres the glyph-spacing-caption block. A glyph of
// width 0 takes no spacing.
GlyphCaptionPlacement LayoutGlyphAndCaption(TbsButtonLayout layout, const QRect& rect,
                                            const QSize& glyph, const QSize& caption, int margin,
                                            int spacing);

// A glyph from an image list (index valid when 0 <= index < count) or cut from a strip of
// glyphCount equal glyphs side by side, drawn with the strip's bottom-left colour transparent.
struct GlyphSource {
    const QList<QPixmap>* imageList = nullptr;
    int index = -1;
    QImage strip;
    int glyphCount = 0;
    int state = 0;

    QSize Size() const;
    void Draw(QPainter& painter, const QPoint& at, bool enabled) const;
};

// LiteralCaption draws the caption as it stands; otherwise its "&" marks the accelerator
// (SkinTextMode).
enum class GlyphCaptionFlag { Down = 0x1, Enabled = 0x2, ColorMarker = 0x4, LiteralCaption = 0x8 };
Q_DECLARE_FLAGS(GlyphCaptionFlags, GlyphCaptionFlag)
Q_DECLARE_OPERATORS_FOR_FLAGS(GlyphCaptionFlags)

// Draws glyph and word-wrapped caption laid out in rect, one pixel right and down when Down is
// set; with ColorMarker a three-pixel bar of marker under the glyph (or the caption, or across
// the rect when there is neither).
void DrawGlyphAndCaption(QPainter& painter, const QRect& rect, int margin, int spacing,
                         TbsButtonLayout layout, const QString& caption, const GlyphSource& glyph,
                         GlyphCaptionFlags flags, const QColor& marker = QColor());
