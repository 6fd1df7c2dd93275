#include "framework/TAnchors.h"

#include <QEvent>
#include <QWidget>

void TAnchors::Set(QWidget* control, Qt::Edges edges)
{
    new TAnchors(control, edges);
}

TAnchors::TAnchors(QWidget* control, Qt::Edges edges)
    : QObject(control), control_(control), edges_(edges)
{
    const QRect r = control->geometry();
    const QSize parentSize = control->parentWidget()->size();
    left_ = r.left();
    top_ = r.top();
    right_ = parentSize.width() - (r.left() + r.width());
    bottom_ = parentSize.height() - (r.top() + r.height());
    control->parentWidget()->installEventFilter(this);
}

bool TAnchors::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Resize && watched == control_->parentWidget())
        Apply();
    return false;
}

void TAnchors::Apply()
{
    const QSize parentSize = control_->parentWidget()->size();
    QRect r = control_->geometry();
    const int width = r.width(), height = r.height();
    if ((edges_ & Qt::LeftEdge) && (edges_ & Qt::RightEdge))
        r.setRect(left_, r.top(), parentSize.width() - left_ - right_, height);
    else if (edges_ & Qt::RightEdge)
        r.moveLeft(parentSize.width() - right_ - width);
    if ((edges_ & Qt::TopEdge) && (edges_ & Qt::BottomEdge))
        r.setRect(r.left(), top_, r.width(), parentSize.height() - top_ - bottom_);
    else if (edges_ & Qt::BottomEdge)
        r.moveTop(parentSize.height() - bottom_ - height);
    control_->setGeometry(r);
}
