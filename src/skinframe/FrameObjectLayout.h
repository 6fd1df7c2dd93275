#pragma once

#include <QRect>
#include <QSize>

#include <vector>

struct FrameGeometry;

// Where the frame objects lie on a form grown from the frame picture.

// An object that the button layout does not place keeps its place relative to the corner zone
// of the frame picture it lies in: the picture's four corners, (0, 0)-(LT), (RT.X, 0)-(Pw, RT.Y),
// (0, LB.Y)-(LB.X, Ph) and (RB)-(Pw, Ph), each including its edges. An object inside one zone
// moves with that corner; one spanning two zones grows between them; any other stays.
QRect GrownObjectRect(const QRect& skinRect, const FrameGeometry& geometry);

// One caption button the layout may place.
struct FrameButtonSlot {
    QSize size;
    bool visible = true;
    QRect rect;           // where the layout put it
    bool placed = false;  // whether the layout put it anywhere
};

// The caption buttons in layout order (close, maximize, minimize, roll-up, minimize to tray, then
// the custom objects), the system-menu button, and the caption object whose edges give way.
struct FrameButtonLayout {
    std::vector<FrameButtonSlot*> buttons;
    FrameButtonSlot* systemMenu = nullptr;
    QRect* caption = nullptr;
};

// Places the visible buttons side by side in the buttons rectangle (in the caption rectangle
// when that one is empty; nowhere when both are), from its right edge leftwards, or from its
// left edge rightwards when the skin keeps its buttons at the left, each at its own size with
// the buttons offset between them. When they fill the caption rectangle the caption ends
// where they begin. The system-menu button goes to the other end of the caption rectangle,
// vertically centred in it, and the caption begins after it.
void LayOutFrameButtons(const FrameGeometry& geometry, FrameButtonLayout& layout);
