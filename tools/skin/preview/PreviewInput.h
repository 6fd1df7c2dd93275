#pragma once

#include <QPoint>
#include <Qt>

class QWidget;

// Input a previewer gives its control, delivered as the window system would deliver it: the
// control's own handlers run, and so does focus-on-click.
namespace PreviewInput {

// The pointer enters the widget (if it was not over it) and moves to at.
void MoveTo(QWidget& widget, QPoint at);
// The pointer leaves the widget.
void Leave(QWidget& widget);
void Press(QWidget& widget, QPoint at, Qt::MouseButton button = Qt::LeftButton);
void Release(QWidget& widget, QPoint at, Qt::MouseButton button = Qt::LeftButton);
// Move, press and release.
void Click(QWidget& widget, QPoint at, Qt::MouseButton button = Qt::LeftButton);
// Press and release of one key, with the text it types.
void Key(QWidget& widget, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

}  // namespace PreviewInput
