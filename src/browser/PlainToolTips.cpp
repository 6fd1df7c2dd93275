#include "browser/PlainToolTips.h"

#include <QHelpEvent>
#include <QTextDocument>
#include <QToolTip>
#include <QWidget>

PlainToolTips::PlainToolTips(QWidget* view) : QObject(view), view_(view)
{
    view->installEventFilter(this);
}

bool PlainToolTips::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != view_ || event->type() != QEvent::ToolTip)
        return false;
    const QString text = view_->toolTip().left(MaxLength);
    if (text.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), Qt::convertFromPlainText(text), view_);
    return true;
}
