#include "skinui/GlyphCaption.h"

#include "skinui/ColorKeyCopy.h"
#include "skinui/SkinRect.h"
#include "skinui/SkinText.h"

#include <QIcon>

namespace {

constexpr int kMarkerHeight = 3;

bool Horizontal(TbsButtonLayout layout)
{
    return layout == blGlyphLeft || layout == blGlyphRight;
}

int CentredMargin(TbsButtonLayout layout, const QRect& rect, const QSize& glyph,
                  const QSize& caption, int spacing)
{
    if (Horizontal(layout))
        return (rect.width() - (glyph.width() + spacing + caption.width())) / 2;
    return (rect.height() - (glyph.height() + spacing + caption.height())) / 2;
}

SkinTextMode CaptionMode(GlyphCaptionFlags flags)
{
    return flags.testFlag(GlyphCaptionFlag::LiteralCaption) ? SkinTextMode::Literal : SkinTextMode::Caption;
}

QSize CaptionSize(const QPainter& painter, const QRect& rect, TbsButtonLayout layout,
                  const QSize& glyph, const QString& caption, SkinTextMode mode)
{
    if (caption.isEmpty())
        return QSize(0, 0);
    QSize room = rect.size();
    if (Horizontal(layout))
        room.rwidth() -= glyph.width();
    else
        room.rheight() -= glyph.height();
    const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap | Qt::TextExpandTabs | SkinTextFlags(mode);
    return painter.fontMetrics().boundingRect(QRect(QPoint(0, 0), room), flags, caption).size();
}

QRect MarkerRect(const QRect& rect, const GlyphCaptionPlacement& at, const QSize& glyph,
                 const QSize& caption, bool hasCaption)
{
    if (!glyph.isEmpty())
        return QRect(at.glyph.x(), at.glyph.y() + glyph.height(), glyph.width(), kMarkerHeight);
    if (hasCaption)
        return QRect(at.caption.x(), at.caption.y() + caption.height(), caption.width(),
                     kMarkerHeight);
    return SkinRect(rect.x() + 4, rect.y() + 4, RightOf(rect) - 2, BottomOf(rect) - 4);
}

} // namespace

GlyphCaptionPlacement LayoutGlyphAndCaption(TbsButtonLayout layout, const QRect& rect,
                                            const QSize& glyph, const QSize& caption, int margin,
                                            int spacing)
{
    const int sp = glyph.width() == 0 ? 0 : spacing;
    const int m = margin == -1 ? CentredMargin(layout, rect, glyph, caption, sp) : margin;
    const int cx = rect.x() + rect.width() / 2;
    const int cy = rect.y() + rect.height() / 2;
    const int gw = glyph.width();
    const int gh = glyph.height();
    GlyphCaptionPlacement at;
    switch (layout) {
    case blGlyphLeft:
        at.glyph = QPoint(rect.x() + m, cy - gh / 2);
        at.caption = QPoint(at.glyph.x() + gw + sp, cy - caption.height() / 2);
        break;
    case blGlyphRight:
        at.glyph = QPoint(RightOf(rect) - gw - m, cy - gh / 2);
        at.caption = QPoint(at.glyph.x() - sp - caption.width(), cy - caption.height() / 2);
        break;
    case blGlyphTop:
        at.glyph = QPoint(cx - gw / 2, rect.y() + m);
        at.caption = QPoint(cx - caption.width() / 2, at.glyph.y() + gh + sp);
        break;
    case blGlyphBottom:
        at.glyph = QPoint(cx - gw / 2, BottomOf(rect) - gh - m);
        at.caption = QPoint(cx - caption.width() / 2, at.glyph.y() - sp - caption.height());
        break;
    }
    return at;
}

QSize GlyphSource::Size() const
{
    if (imageList)
        return index >= 0 && index < imageList->size() ? imageList->at(index).size() : QSize(0, 0);
    if (strip.isNull() || glyphCount <= 0)
        return QSize(0, 0);
    return QSize(strip.width() / glyphCount, strip.height());
}

void GlyphSource::Draw(QPainter& painter, const QPoint& at, bool enabled) const
{
    const QSize size = Size();
    if (size.isEmpty())
        return;
    if (imageList) {
        const QPixmap& pixmap = imageList->at(index);
        painter.drawPixmap(at, enabled ? pixmap : QIcon(pixmap).pixmap(size, QIcon::Disabled));
        return;
    }
    if (state < 0 || state >= glyphCount)
        return;
    // The strip's bottom-left pixel gives its background colour.
    const QRect cell(QPoint(state * size.width(), 0), size);
    DrawColorKeyed(painter, QRect(at, size), strip, cell, strip.pixelColor(0, strip.height() - 1));
}

void DrawGlyphAndCaption(QPainter& painter, const QRect& rect, int margin, int spacing,
                         TbsButtonLayout layout, const QString& caption, const GlyphSource& glyph,
                         GlyphCaptionFlags flags, const QColor& marker)
{
    const QSize glyphSize = glyph.Size();
    const SkinTextMode mode = CaptionMode(flags);
    const QSize captionSize = CaptionSize(painter, rect, layout, glyphSize, caption, mode);
    GlyphCaptionPlacement at =
        LayoutGlyphAndCaption(layout, rect, glyphSize, captionSize, margin, spacing);
    if (flags & GlyphCaptionFlag::Down) {
        at.glyph += QPoint(1, 1);
        at.caption += QPoint(1, 1);
    }
    painter.save();
    painter.setBackgroundMode(Qt::TransparentMode);
    if (!caption.isEmpty())
        DrawSkinText(painter, caption, QRect(at.caption, QSize(captionSize.width() + 2, captionSize.height())),
                     Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, mode);
    glyph.Draw(painter, at.glyph, flags & GlyphCaptionFlag::Enabled);
    if (flags & GlyphCaptionFlag::ColorMarker)
        painter.fillRect(MarkerRect(rect, at, glyphSize, captionSize, !caption.isEmpty()), marker);
    painter.restore();
}
