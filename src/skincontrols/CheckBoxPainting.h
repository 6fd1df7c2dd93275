#pragma once

#include <QFlags>
#include <QRect>
#include <QSize>
#include <QString>

class QFont;
class QPainter;
struct CheckBoxSkin;

// What a check box is doing, as its painting needs to know.
enum class CheckBoxStateFlag {
    Enabled = 0x01,
    Hot = 0x02,      // the pointer is over it
    Down = 0x04,     // pressed, not yet let go
    Checked = 0x08,
    Focused = 0x10,  // it has the keyboard
};
Q_DECLARE_FLAGS(CheckBoxState, CheckBoxStateFlag)
Q_DECLARE_OPERATORS_FOR_FLAGS(CheckBoxState)

// Where a check box of that size puts its box and its caption: the box at the left edge,
// centred in the height, the caption after a gap, to the right edge.
struct CheckBoxLayout {
    QRect box;
    QRect caption;
};
CheckBoxLayout CheckBoxLayoutOf(const CheckBoxSkin& skin, const QSize& size);

// The box of that state, then the caption in the skin's font (or font) and colour of that
// state, with a dotted frame around it while focused. Plainly, a white box in a one-pixel
// frame with a tick, lit while hot, greyed while pressed or disabled.
void PaintCheckBox(QPainter& painter, const CheckBoxSkin& skin, const QSize& size, CheckBoxState state,
                   const QString& caption, const QFont& font);
