#include "preview/PreviewInput.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

namespace PreviewInput {

namespace {

void SendMouse(QWidget& widget, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons buttons)
{
    QMouseEvent event(type, at, widget.mapToGlobal(at), button, buttons, Qt::NoModifier);
    QCoreApplication::sendEvent(&widget, &event);
}

}  // namespace

void MoveTo(QWidget& widget, QPoint at)
{
    if (!widget.underMouse()) {
        QEnterEvent enter(at, widget.mapTo(widget.window(), at), widget.mapToGlobal(at));
        QCoreApplication::sendEvent(&widget, &enter);
        widget.setAttribute(Qt::WA_UnderMouse, true);
    }
    SendMouse(widget, QEvent::MouseMove, at, Qt::NoButton, Qt::NoButton);
}

void Leave(QWidget& widget)
{
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(&widget, &leave);
    widget.setAttribute(Qt::WA_UnderMouse, false);
}

void Press(QWidget& widget, QPoint at, Qt::MouseButton button)
{
    SendMouse(widget, QEvent::MouseButtonPress, at, button, button);
}

void Release(QWidget& widget, QPoint at, Qt::MouseButton button)
{
    SendMouse(widget, QEvent::MouseButtonRelease, at, button, Qt::NoButton);
}

void Click(QWidget& widget, QPoint at, Qt::MouseButton button)
{
    MoveTo(widget, at);
    Press(widget, at, button);
    Release(widget, at, button);
}

void Key(QWidget& widget, int key, Qt::KeyboardModifiers modifiers)
{
    // Printable keys type their character, lower case unless Shift is held.
    QString text = key >= Qt::Key_Space && key <= Qt::Key_AsciiTilde ? QString(QChar(key)) : QString();
    if (!modifiers.testFlag(Qt::ShiftModifier))
        text = text.toLower();
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QCoreApplication::sendEvent(&widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QCoreApplication::sendEvent(&widget, &release);
}

}  // namespace PreviewInput
