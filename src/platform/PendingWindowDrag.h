#pragma once

#include <QObject>
#include <QPoint>

class QWidget;

// A move (no edges) or size (the given edges) of a top-level window asked for as a mouse
// button goes down, as the window system's own move loop takes it: a press that is let go
// without the pointer moving is a plain click (so a double click stays a double click), and
// once the pointer has moved past the drag distance with the button still down the window
// system moves or sizes the window until the release, or the client does where the window
// manager refuses. A release that still reaches the client after the window manager was asked
// means the press was over before the manager took the pointer: the manager is told to stop
// again at once, so that it never holds the window to a pointer whose button is up.
class PendingWindowDrag : public QObject {
    Q_OBJECT
public:
    static void Start(QWidget* window, Qt::Edges edges);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    PendingWindowDrag(QWidget* window, Qt::Edges edges);
    void Begin();
    void End();

    QWidget* window_;
    Qt::Edges edges_;
    QPoint pressedAt_;
    Qt::MouseButtons buttons_;
    bool systemLoop_ = false;  // the window manager has been asked and may hold the pointer
};
