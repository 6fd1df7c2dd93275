#include "skinui/PaintParentBackground.h"

#include <QPointer>
#include <QVariant>
#include <QWidget>

namespace {

// Sets a dynamic property to true for its lifetime and restores the previous value.
class PropertyFlag {
public:
    PropertyFlag(QObject* object, const char* name)
        : object_(object), name_(name), previous_(object->property(name))
    {
        object->setProperty(name, true);
    }
    ~PropertyFlag()
    {
        if (object_)
            object_->setProperty(name_, previous_);
    }
    PropertyFlag(const PropertyFlag&) = delete;
    PropertyFlag& operator=(const PropertyFlag&) = delete;

private:
    QPointer<QObject> object_;
    const char* name_;
    QVariant previous_;
};

// Saves the painter's state and restores it when leaving the scope, however it is left.
class PainterState {
public:
    explicit PainterState(QPainter& painter) : painter_(painter) { painter_.save(); }
    ~PainterState() { painter_.restore(); }
    PainterState(const PainterState&) = delete;
    PainterState& operator=(const PainterState&) = delete;

private:
    QPainter& painter_;
};

void EraseParent(QWidget* parent, QPainter& painter)
{
    if (parent->isWindow())
        painter.fillRect(parent->rect(), parent->palette().brush(parent->backgroundRole()));
    else
        parent->render(&painter, QPoint(), QRegion(), QWidget::DrawWindowBackground);
}

void PaintSibling(QWidget* sibling, QPainter& painter, const QPoint& shift)
{
    PainterState state(painter);
    painter.translate(shift + sibling->pos());
    painter.setClipRect(QRect(QPoint(0, 0), sibling->size()), Qt::IntersectClip);
    sibling->render(&painter, QPoint(), QRegion(),
                    QWidget::DrawWindowBackground | QWidget::DrawChildren);
}

} // namespace

bool IsGraphicControl(const QWidget* widget)
{
    return widget && widget->property(kGraphicControlProperty).toBool();
}

bool IsPaintingCopy(const QWidget* widget)
{
    return widget && widget->property(kPaintingCopyProperty).toBool();
}

void PaintParentBackground(QWidget* control, QPainter& painter, const QRect& origin)
{
    QWidget* parent = control ? control->parentWidget() : nullptr;
    if (!parent)
        return;
    const PropertyFlag copying(parent, kPaintingCopyProperty);
    const QPoint shift = -control->pos() - origin.topLeft();
    {
        PainterState state(painter);
        painter.translate(shift);
        painter.setClipRect(parent->rect(), Qt::IntersectClip);
        EraseParent(parent, painter);
    }
    for (QObject* child : parent->children()) {
        if (child == control)
            break;
        auto* sibling = qobject_cast<QWidget*>(child);
        if (IsGraphicControl(sibling) && sibling->isVisibleTo(parent)
            && sibling->geometry().intersects(control->geometry()))
            PaintSibling(sibling, painter, shift);
    }
}
