#pragma once

#include <QObject>
#include <QPoint>
#include <QRect>

class QWidget;

// Moves (no edges) or sizes (the given edges) a top-level window with the pointer until
// the mouse button is released: the stand-in for window managers that refuse a system
// move or resize. It grabs the mouse and deletes itself when the button goes up.
class ManualWindowDrag : public QObject {
    Q_OBJECT
public:
    static void Start(QWidget* window, Qt::Edges edges);

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
};
