#pragma once

#include <QColor>
#include <QFlags>
#include <QRect>
#include <QSize>

class QPainter;
struct EditSkin;

// What a single-line edit is doing, as its painting needs to know.
enum class EditStateFlag {
    Enabled = 0x01,
    Hot = 0x02,      // the pointer is over it
    Focused = 0x04,  // it has the keyboard
};
Q_DECLARE_FLAGS(EditState, EditStateFlag)
Q_DECLARE_OPERATORS_FOR_FLAGS(EditState)

// Where the text goes in an edit of that size: the skin's client rectangle grown with the
// face, or the plain frame's inside less a margin.
QRect EditTextRect(const EditSkin& skin, const QSize& size);

// The text's colour in that state.
QColor EditTextColor(const EditSkin& skin, EditState state);

// The face of an edit of that size: the skin's normal picture, its active one while hot or
// focused; plainly, a window-coloured field in a one-pixel frame, the highlight colour while hot
// or focused, on the button face while disabled.
void PaintEdit(QPainter& painter, const EditSkin& skin, const QSize& size, EditState state);
