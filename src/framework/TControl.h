#pragma once

#include <QMouseEvent>
#include <QWidget>

// Base of the plain components: a widget with an integer Tag and the mouse events the
// window handlers are bound to. A click is the ordinary click: the left button pressed
// and released over the control; it is reported between the press and the release events.
// The second press of a double click reports the double click and a press, and its release
// no click. Each event is delivered through TApplicationEvents::Guard, so a handler that raises is
// reported and the control goes on with its next event.
class TControl : public QWidget {
    Q_OBJECT
public:
    explicit TControl(QWidget* parent = nullptr);

    int Tag() const { return tag_; }
    void SetTag(int tag) { tag_ = tag; }

    // Marks the control as one that the window system would not give a window of its own
    // (pictures, labels): skinned controls paint such siblings under themselves.
    void SetGraphicControl(bool graphic);

Q_SIGNALS:
    void OnClick(QObject* Sender);
    void OnDblClick(QObject* Sender);
    void OnMouseDown(QObject* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);
    void OnMouseUp(QObject* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);
    void OnMouseMove(QObject* Sender, Qt::KeyboardModifiers Shift, int X, int Y);
    void OnMouseEnter(QObject* Sender);
    void OnMouseLeave(QObject* Sender);

protected:
    // A control that decides its own clicks (a button clicks on keys too, and not when the
    // pointer left it while pressed) turns the plain click on release off.
    void SetPlainClicks(bool plain) { plainClicks_ = plain; }

    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void ReportMouseDown(const QMouseEvent* event);

    int tag_ = 0;
    bool leftPressed_ = false;
    bool plainClicks_ = true;
};
