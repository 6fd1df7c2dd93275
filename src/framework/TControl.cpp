#include "framework/TControl.h"

#include "framework/TApplicationEvents.h"

namespace {
// Mouse-event positions as the handlers receive them: integer client coordinates.
int EventX(const QMouseEvent* event) { return qRound(event->position().x()); }
int EventY(const QMouseEvent* event) { return qRound(event->position().y()); }
}  // namespace

TControl::TControl(QWidget* parent) : QWidget(parent)
{
    setMouseTracking(true);
}

void TControl::SetGraphicControl(bool graphic)
{
    setProperty("kestruneGraphicControl", graphic);
}

void TControl::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        leftPressed_ = true;
    ReportMouseDown(event);
}

void TControl::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = plainClicks_ && event->button() == Qt::LeftButton && leftPressed_
                       && rect().contains(event->position().toPoint());
    if (event->button() == Qt::LeftButton)
        leftPressed_ = false;
    if (click)
        TApplicationEvents::Guard([&] { Q_EMIT OnClick(this); });
    TApplicationEvents::Guard(
        [&] { Q_EMIT OnMouseUp(this, event->button(), event->modifiers(), EventX(event), EventY(event)); });
}

void TControl::mouseDoubleClickEvent(QMouseEvent* event)
{
    // The press that makes a double click is no click of its own: a double click is one
    // click, then the double-click event.
    TApplicationEvents::Guard([&] { Q_EMIT OnDblClick(this); });
    ReportMouseDown(event);
}

void TControl::ReportMouseDown(const QMouseEvent* event)
{
    TApplicationEvents::Guard(
        [&] { Q_EMIT OnMouseDown(this, event->button(), event->modifiers(), EventX(event), EventY(event)); });
}

void TControl::mouseMoveEvent(QMouseEvent* event)
{
    TApplicationEvents::Guard([&] { Q_EMIT OnMouseMove(this, event->modifiers(), EventX(event), EventY(event)); });
}

void TControl::enterEvent(QEnterEvent* event)
{
    QWidget::enterEvent(event);
    TApplicationEvents::Guard([&] { Q_EMIT OnMouseEnter(this); });
}

void TControl::leaveEvent(QEvent* event)
{
    QWidget::leaveEvent(event);
    TApplicationEvents::Guard([&] { Q_EMIT OnMouseLeave(this); });
}
