#include "skinframe/SkinMessageForwarding.h"

#include "skin/TbsSkinMessageEvent.h"

#include <QCoreApplication>
#include <QWidget>

void PassOnToControls(QWidget* form, const TbsSkinMessageEvent& event)
{
    QList<QWidget*> pending{form};
    while (!pending.isEmpty()) {
        QWidget* parent = pending.takeFirst();
        for (QObject* child : parent->children()) {
            auto* widget = qobject_cast<QWidget*>(child);
            if (!widget || widget->isWindow())
                continue;
            TbsSkinMessageEvent copy(event.Message(), event.Store(), event.Param());
            QCoreApplication::sendEvent(widget, &copy);
            pending.append(widget);
        }
    }
}
