#pragma once

#include <QFlags>
#include <QRect>

class QPainter;

// The state a tab is drawn in.
enum class TabPaintFlag {
    Active = 0x1,   // the selected tab
    MouseIn = 0x2,  // the tab under the pointer
    Focused = 0x4,  // the control has the keyboard focus
};
Q_DECLARE_FLAGS(TabPaintState, TabPaintFlag)
Q_DECLARE_OPERATORS_FOR_FLAGS(TabPaintState)

// The page control's look when the skin gives it nothing: button-face client and a one-pixel
// button-shadow frame around the page area enlarged by one pixel.
void PaintPlainPageFrame(QPainter& painter, QRect client, QRect pageArea);

// Fills a tab's own bitmap of the given size with its background for the state.
void PaintPlainTabBackground(QPainter& painter, QSize size, TabPaintState state);

// The close button without a skin: a cross, white while hot or pressed, black otherwise.
void PaintPlainCloseButton(QPainter& painter, QRect button, bool lit);
