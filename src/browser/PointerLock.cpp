#include "browser/PointerLock.h"

#include "browser/PointerLockHint.h"
#include "platform/Clock.h"

#include <QChildEvent>
#include <QKeyEvent>
#include <QWebEngineView>

PointerLock::PointerLock(QWebEngineView* view, Clock& clock)
    : QObject(view), view_(view), clock_(clock), hint_(new PointerLockHint(view))
{
    view->installEventFilter(this);
    for (QObject* child : view->children())
        Watch(child);
    connect(view->page(), &QWebEnginePage::featurePermissionRequested, this,
            [this](const QUrl& origin, QWebEnginePage::Feature feature) { Requested(origin, feature); });
}

void PointerLock::Watch(QObject* child)
{
    if (child->isWidgetType() && child != hint_)
        child->installEventFilter(this);
}

bool PointerLock::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::ChildAdded:
        if (watched == view_)
            Watch(static_cast<QChildEvent*>(event)->child());
        break;
    case QEvent::MouseButtonPress:
        lastGesture_ = clock_.NowMs();
        break;
    case QEvent::KeyPress:
        if (!static_cast<QKeyEvent*>(event)->isAutoRepeat())
            lastGesture_ = clock_.NowMs();
        break;
    case QEvent::Hide:
        if (watched == view_)
            hint_->hide();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

bool PointerLock::FollowsGesture() const
{
    return lastGesture_ && clock_.NowMs() - *lastGesture_ <= GestureWindowMs;
}

bool PointerLock::InFront() const
{
    return view_->isVisible() && view_->window()->isActiveWindow();
}

void PointerLock::Requested(const QUrl& origin, QWebEnginePage::Feature feature)
{
    if (feature != QWebEnginePage::MouseLock)
        return;
    const bool granted = FollowsGesture() && InFront();
    view_->page()->setFeaturePermission(
        origin, feature, granted ? QWebEnginePage::PermissionGrantedByUser : QWebEnginePage::PermissionDeniedByUser);
    if (!granted)
        return;
    hint_->Appear();
    const int shown = ++hintShown_;
    clock_.After(HintTime, hint_, [this, shown] {
        if (shown == hintShown_)
            hint_->hide();
    });
}
