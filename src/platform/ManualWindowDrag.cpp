#include "platform/ManualWindowDrag.h"

#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

#include <algorithm>

namespace {

// One axis of a sizing drag: the moved edge follows the pointer until the length between the
// edges reaches the limits; the other edge stays.
void SizeAxis(int& low, int& high, int delta, bool lowEdge, bool highEdge, int minimum, int maximum)
{
    if (lowEdge)
        low = std::clamp(low + delta, high - maximum, high - minimum);
    else if (highEdge)
        high = std::clamp(high + delta, low + minimum, low + maximum);
}

}  // namespace

void ManualWindowDrag::Start(QWidget* window, Qt::Edges edges)
{
    new ManualWindowDrag(window, edges);
}

QRect ManualWindowDrag::Dragged(const QRect& start, const QPoint& delta, Qt::Edges edges, const QSize& minimum,
                                const QSize& maximum)
{
    if (!edges)
        return start.translated(delta);
    // Exclusive right and bottom edges, so that lengths are plain differences.
    int left = start.x(), right = start.x() + start.width();
    int top = start.y(), bottom = start.y() + start.height();
    const QSize low = minimum.boundedTo(maximum);
    SizeAxis(left, right, delta.x(), edges & Qt::LeftEdge, edges & Qt::RightEdge, low.width(), maximum.width());
    SizeAxis(top, bottom, delta.y(), edges & Qt::TopEdge, edges & Qt::BottomEdge, low.height(), maximum.height());
    return QRect(left, top, right - left, bottom - top);
}

ManualWindowDrag::ManualWindowDrag(QWidget* window, Qt::Edges edges)
    : QObject(window), window_(window), edges_(edges), startPointer_(QCursor::pos()),
      startGeometry_(window->geometry())
{
    window_->installEventFilter(this);
    window_->grabMouse();
    window_->grabKeyboard();
}

bool ManualWindowDrag::eventFilter(QObject*, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseMove:
        Follow(static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
        return true;
    case QEvent::MouseButtonRelease:
        Finish();
        return true;
    case QEvent::KeyPress:
        if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape)
            Finish();
        return true;
    case QEvent::UngrabMouse:
    case QEvent::WindowDeactivate:
    case QEvent::Hide:
        Finish();
        return false;
    default:
        return false;
    }
}

void ManualWindowDrag::Follow(const QPoint& globalPos)
{
    window_->setGeometry(Dragged(startGeometry_, globalPos - startPointer_, edges_, window_->minimumSize(),
                                 window_->maximumSize()));
}

void ManualWindowDrag::Finish()
{
    if (finished_)
        return;
    finished_ = true;
    window_->removeEventFilter(this);
    window_->releaseKeyboard();
    window_->releaseMouse();
    deleteLater();
}
