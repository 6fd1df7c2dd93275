#pragma once

#include <QPainter>
#include <QRect>

class QWidget;

// Graphic (non-windowed) controls are the QWidgets that carry the dynamic property
// "kestruneGraphicControl" = true; the framework's picture and label set it. They have no
// background of their own, so what lies under a transparent control includes them.
inline constexpr char kGraphicControlProperty[] = "kestruneGraphicControl";

// Set to true on a parent while its background is painted into a child's canvas, so that a
// parent whose paint itself paints through to its own parent can tell.
inline constexpr char kPaintingCopyProperty[] = "kestrunePaintingCopy";

bool IsGraphicControl(const QWidget* widget);
bool IsPaintingCopy(const QWidget* widget);

// Paints into painter, in control's coordinates, what control covers: its parent's background
// (a top-level parent's palette background; any other parent renders its background and its
// own paint) and then every visible graphic sibling below control that overlaps it. origin's
// top-left is subtracted as well, for a control that paints at an offset in its own canvas.
// The painter's state and the parent's flag are restored on every path, also when a paint
// throws.
void PaintParentBackground(QWidget* control, QPainter& painter, const QRect& origin = QRect());
