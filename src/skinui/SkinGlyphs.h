#pragma once

#include <QColor>
#include <QPainter>

// The small glyphs drawn when a skin gives no picture for an arrow or a caption button.
// Lines leave out their end point and rectangles their right and bottom edge, so every glyph
// covers exactly the pixels listed in the glyph table. At a device pixel ratio above 1 the
// diagonal lines step by device pixels, so a glyph is as fine as the device, not its 1x pixels
// enlarged.

// Arrows centred in rect (centre = left + width / 2, top + height / 2).
enum class ArrowGlyph { Left, Right, Up, Down, SmallDown };
void DrawArrowGlyph(QPainter& painter, ArrowGlyph glyph, const QRect& rect, const QColor& color);

// Glyphs with their cell's top-left corner at "at".
enum class FrameGlyph { CheckMark, Close, Minimize, Maximize, Restore, RollDown, RollUp, SystemMenu, ToTray };
void DrawFrameGlyph(QPainter& painter, FrameGlyph glyph, const QPoint& at, const QColor& color);

// Every other pixel of rect's outline (right and bottom edges one pixel in) in the pen's
// colour, walking clockwise from the top-left pixel. The first pixel is left out when the
// walked width and height are both even; the alternation runs on around the corners.
void DrawDottedFocusRect(QPainter& painter, const QRect& rect);
