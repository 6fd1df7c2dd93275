#pragma once

#include <QObject>
#include <QRect>

class QWidget;

// Keeps a control's distances to the chosen edges of its parent as the parent is resized:
// anchored on both left and right (or top and bottom) the control grows with the parent,
// anchored on one side only it moves with that side. The distances are taken when the
// anchors are set, from the control's and the parent's current geometry.
class TAnchors : public QObject {
    Q_OBJECT
public:
    static void Set(QWidget* control, Qt::Edges edges);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TAnchors(QWidget* control, Qt::Edges edges);
    void Apply();

    QWidget* control_;
    Qt::Edges edges_;
    int left_, top_, right_, bottom_;  // distances to the parent's edges
};
