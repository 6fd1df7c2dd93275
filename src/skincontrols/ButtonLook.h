#pragma once

#include <QFlags>

// What a skinned button is doing, as its painting needs to know.
enum class ButtonStateFlag {
    Enabled = 0x01,
    Hot = 0x02,            // the pointer is over it
    Down = 0x04,           // held down (mouse or Space), or a grouped button that stays down
    Focused = 0x08,        // it has the focus and can take it
    Grouped = 0x10,        // GroupIndex is not 0
    MouseHeld = 0x20,      // a mouse button went down on it and is still held
    ActiveDefault = 0x40,  // Enter in its form clicks it
};
Q_DECLARE_FLAGS(ButtonState, ButtonStateFlag)
Q_DECLARE_OPERATORS_FOR_FLAGS(ButtonState)

// The picture a button shows: the skin rectangle (Normal), the active, down, focused or
// disabled rectangle; the plain look draws Active and Focused alike.
enum class TbsButtonLook { Normal, Active, Down, Focused, Disabled };

// The look for a state, the first rule that holds: disabled (when the skin has a disabled
// picture); down, when grouped, hot, or focused by the keyboard (no mouse held on it); focused
// (when the skin has a focused picture); focused; hot or the enabled active default: active.
TbsButtonLook ButtonLookOf(ButtonState state, bool disabledPicture, bool focusedPicture);
