#include "platform/PendingWindowDrag.h"

#include "platform/ManualWindowDrag.h"
#include "platform/X11MoveResize.h"

#include <QApplication>
#include <QCursor>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

void PendingWindowDrag::Start(QWidget* window, Qt::Edges edges)
{
    // One drag at a time: a press that starts another ends the one before.
    for (PendingWindowDrag* earlier : window->findChildren<PendingWindowDrag*>(Qt::FindDirectChildrenOnly))
        earlier->End();
    if (QGuiApplication::mouseButtons() != Qt::NoButton)
        new PendingWindowDrag(window, edges);
}

PendingWindowDrag::PendingWindowDrag(QWidget* window, Qt::Edges edges)
    : QObject(window), window_(window), edges_(edges), pressedAt_(QCursor::pos()),
      buttons_(QGuiApplication::mouseButtons())
{
    qApp->installEventFilter(this);
}

bool PendingWindowDrag::eventFilter(QObject*, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseMove: {
        const auto* move = static_cast<QMouseEvent*>(event);
        if (systemLoop_ || !(move->buttons() & buttons_))
            End();  // the manager's loop is over: the pointer is the client's again
        else if ((move->globalPosition().toPoint() - pressedAt_).manhattanLength()
                 >= QApplication::startDragDistance())
            Begin();
        break;
    }
    case QEvent::MouseButtonRelease:
        if (systemLoop_)
            X11MoveResize::Cancel(window_->windowHandle(), static_cast<QMouseEvent*>(event)->button());
        End();
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (systemLoop_)
            End();
        break;
    default:
        break;
    }
    return false;
}

void PendingWindowDrag::Begin()
{
    QWindow* handle = window_->windowHandle();
    systemLoop_ = handle && (edges_ ? handle->startSystemResize(edges_) : handle->startSystemMove());
    if (systemLoop_)
        return;
    ManualWindowDrag::Start(window_, edges_);
    End();
}

void PendingWindowDrag::End()
{
    qApp->removeEventFilter(this);
    deleteLater();
}
