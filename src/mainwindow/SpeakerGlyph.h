#pragma once

#include <QColor>
#include <QPoint>
#include <QSize>

class QPainter;

// The small loudspeaker a tab shows while its page plays sound: a box, a cone and two
// waves, drawn pixel-exact in one colour with its top-left corner at TopLeft.
namespace SpeakerGlyph {
inline constexpr QSize Size{11, 10};
void Paint(QPainter& painter, QPoint topLeft, const QColor& color);
}  // namespace SpeakerGlyph
