#pragma once

#include <QObject>
#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

// Moves (no edges) or sizes (the given edges) a top-level window with the pointer until the
// mouse button is released: the stand-in for window managers that refuse a system move or
// resize. It grabs mouse and keyboard and deletes itself when the drag ends: on the release,
// on Escape, when the window loses the grab or stops being the active window.
class ManualWindowDrag : public QObject {
    Q_OBJECT
public:
    static void Start(QWidget* window, Qt::Edges edges);

    // The window's bounds after the pointer moved by delta from where the drag began at start.
    // A sized edge stops where the size reaches minimum or maximum; the opposite edge never
    // moves, so sizing never shifts the window.
    static QRect Dragged(const QRect& start, const QPoint& delta, Qt::Edges edges, const QSize& minimum,
                         const QSize& maximum);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    ManualWindowDrag(QWidget* window, Qt::Edges edges);
    void Follow(const QPoint& globalPos);
    void Finish();

    QWidget* window_;
    Qt::Edges edges_;
    QPoint startPointer_;
    QRect startGeometry_;
    bool finished_ = false;
};
