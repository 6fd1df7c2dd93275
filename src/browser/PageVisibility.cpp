#include "browser/PageVisibility.h"

#include <QEvent>
#include <QWebEnginePage>
#include <QWebEngineView>

PageVisibility::PageVisibility(QWidget* window) : QObject(window), window_(window)
{
    window->installEventFilter(this);
}

void PageVisibility::Watch(QWebEngineView* view)
{
    views_.append(view);
    view->installEventFilter(this);
    Schedule();
}

bool PageVisibility::Seen(const QWebEngineView* view) const
{
    return window_->isVisible() && !window_->isMinimized() && view->isVisible();
}

bool PageVisibility::eventFilter(QObject*, QEvent* event)
{
    switch (event->type()) {
    case QEvent::Show:
    case QEvent::Hide:
    case QEvent::WindowStateChange:
        Schedule();
        break;
    default:
        break;
    }
    return false;
}

void PageVisibility::Schedule()
{
    // The view tells its page on the same events; this runs after it.
    if (scheduled_)
        return;
    scheduled_ = true;
    QMetaObject::invokeMethod(this, [this] { Update(); }, Qt::QueuedConnection);
}

void PageVisibility::Update()
{
    scheduled_ = false;
    views_.removeIf([](const QPointer<QWebEngineView>& view) { return view.isNull(); });
    for (QWebEngineView* view : std::as_const(views_))
        if (const bool seen = Seen(view); view->page()->isVisible() != seen)
            view->page()->setVisible(seen);
}
