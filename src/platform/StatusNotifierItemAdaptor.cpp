#include "platform/StatusNotifierItemAdaptor.h"

#include "platform/StatusNotifierItem.h"

StatusNotifierItemAdaptor::StatusNotifierItemAdaptor(StatusNotifierItem* item)
    : QDBusAbstractAdaptor(item), item_(item)
{
}

QString StatusNotifierItemAdaptor::Id() const
{
    return item_->Id();
}

QString StatusNotifierItemAdaptor::Title() const
{
    return item_->Hint();
}

SniPixmapList StatusNotifierItemAdaptor::IconPixmap() const
{
    return item_->Pixmaps();
}

SniToolTip StatusNotifierItemAdaptor::ToolTip() const
{
    return {QString(), item_->Pixmaps(), item_->Hint(), QString()};
}

void StatusNotifierItemAdaptor::Activate(int x, int y)
{
    item_->HostActivated(QPoint(x, y));
}

void StatusNotifierItemAdaptor::SecondaryActivate(int, int)
{
}

void StatusNotifierItemAdaptor::ContextMenu(int x, int y)
{
    item_->HostAskedForMenu(QPoint(x, y));
}

void StatusNotifierItemAdaptor::Scroll(int, const QString&)
{
}
