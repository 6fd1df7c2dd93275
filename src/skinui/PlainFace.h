#pragma once

#include <QColor>
#include <QRect>

class QPainter;

// How a control face looks without a skin: a one-pixel frame and a fill. Normal: button-shadow
// frame on the button face; Hot (under the pointer, focused, or the active tab): navy frame on
// light blue; Down (pressed, or the active tab of a focused strip): navy frame on a darker blue.
enum class PlainFaceLook { Normal, Hot, Down };

// The light blue of the hot look.
QColor PlainHotFill();

void PaintPlainFace(QPainter& painter, const QRect& rect, PlainFaceLook look);
