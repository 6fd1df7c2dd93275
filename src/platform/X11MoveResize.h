#pragma once

#include <Qt>

class QWindow;

// The X11 window manager's move and size loop, for what the toolkit does not ask of it.
namespace X11MoveResize {
// Tells the window manager to end a move or size of window that it was asked to begin, with
// button as the one that started it. Nothing on other window systems.
void Cancel(QWindow* window, Qt::MouseButton button);
}  // namespace X11MoveResize
