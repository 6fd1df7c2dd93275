#include "platform/ManualWindowDrag.h"

#include <QCursor>
#include <QMouseEvent>
#include <QWidget>

void ManualWindowDrag::Start(QWidget* window, Qt::Edges edges)
{
    new ManualWindowDrag(window, edges);
}

ManualWindowDrag::ManualWindowDrag(QWidget* window, Qt::Edges edges)
    : QObject(window), window_(window), edges_(edges), startPointer_(QCursor::pos()),
      startGeometry_(window->geometry())
{
    window_->installEventFilter(this);
    window_->grabMouse();
}

bool ManualWindowDrag::eventFilter(QObject*, QEvent* event)
{
    if (event->type() == QEvent::MouseMove) {
        Follow(static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
        return true;
    }
    if (event->type() == QEvent::MouseButtonRelease) {
        Finish();
        return true;
    }
    return false;
}

void ManualWindowDrag::Follow(const QPoint& globalPos)
{
    const QPoint delta = globalPos - startPointer_;
    QRect r = startGeometry_;
    if (!edges_) {
        r.translate(delta);
    } else {
        if (edges_ & Qt::LeftEdge) r.setLeft(r.left() + delta.x());
        if (edges_ & Qt::RightEdge) r.setRight(r.right() + delta.x());
        if (edges_ & Qt::TopEdge) r.setTop(r.top() + delta.y());
        if (edges_ & Qt::BottomEdge) r.setBottom(r.bottom() + delta.y());
        r.setSize(r.size().expandedTo(window_->minimumSize()));
    }
    window_->setGeometry(r);
}

void ManualWindowDrag::Finish()
{
    window_->releaseMouse();
    window_->removeEventFilter(this);
    deleteLater();
}
