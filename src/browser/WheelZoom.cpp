#include "browser/WheelZoom.h"

#include "browser/ZoomSteps.h"

#include <QChildEvent>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <QWheelEvent>

namespace {
constexpr int Notch = 120;  // eighths of a degree in one notch of a mouse wheel
}

WheelZoom::WheelZoom(QWebEngineView* view) : QObject(view), view_(view)
{
    // The engine draws into child widgets of the view, made and remade as pages come and go.
    Watch(view);
    for (QObject* child : view->children())
        Watch(child);
}

void WheelZoom::Watch(QObject* object)
{
    if (object->isWidgetType())
        object->installEventFilter(this);
}

bool WheelZoom::eventFilter(QObject*, QEvent* event)
{
    if (event->type() == QEvent::ChildAdded) {
        Watch(static_cast<QChildEvent*>(event)->child());
        return false;
    }
    if (event->type() != QEvent::Wheel)
        return false;
    const auto* wheel = static_cast<QWheelEvent*>(event);
    if (!(wheel->modifiers() & Qt::ControlModifier))
        return false;
    // Touchpads turn in small amounts: they add up to a notch before a step is taken.
    turned_ += wheel->angleDelta().y();
    for (; turned_ >= Notch; turned_ -= Notch)
        view_->setZoomFactor(ZoomSteps::Stepped(view_->zoomFactor(), 1));
    for (; turned_ <= -Notch; turned_ += Notch)
        view_->setZoomFactor(ZoomSteps::Stepped(view_->zoomFactor(), -1));
    return true;
}
