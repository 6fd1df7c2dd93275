#include "platform/DesktopNotificationIcon.h"

#include "platform/StatusNotifierItem.h"
#include "platform/SystemNotificationIcon.h"

#include <QCursor>
#include <QGuiApplication>

DesktopNotificationIcon::DesktopNotificationIcon(const QDBusConnection& bus, QObject* parent)
    : NotificationIcon(parent), item_(new StatusNotifierItem(bus, QStringLiteral("kestrune"), this))
{
    // The toolkit's own icon would go onto the bus by itself where a host is there already,
    // beside the item: it is made only for the X notification area.
    if (QGuiApplication::platformName() == u"xcb" && !item_->HostAvailable()) {
        embedded_ = new SystemNotificationIcon(this);
        connect(embedded_, &NotificationIcon::OnDblClick, this, [this] { Q_EMIT OnDblClick(this); });
        connect(embedded_, &NotificationIcon::OnContextMenu, this, &NotificationIcon::OnContextMenu);
    }
    connect(item_, &StatusNotifierItem::Activated, this, [this] { Q_EMIT OnDblClick(this); });
    connect(item_, &StatusNotifierItem::ContextMenuAsked, this,
            [this](QPoint at) { Q_EMIT OnContextMenu(at.isNull() ? QCursor::pos() : at); });
    connect(item_, &StatusNotifierItem::RegistrationChanged, this, [this] { UpdateEmbeddedIcon(); });
}

DesktopNotificationIcon::~DesktopNotificationIcon() = default;

bool DesktopNotificationIcon::HostAvailable() const
{
    return item_->HostAvailable() || (embedded_ && embedded_->HostAvailable());
}

void DesktopNotificationIcon::SetIcon(const QIcon& icon)
{
    item_->SetIcon(icon);
    if (embedded_)
        embedded_->SetIcon(icon);
}

void DesktopNotificationIcon::SetHint(const QString& hint)
{
    item_->SetHint(hint);
    if (embedded_)
        embedded_->SetHint(hint);
}

void DesktopNotificationIcon::Show()
{
    shown_ = true;
    item_->Show();
    UpdateEmbeddedIcon();
}

void DesktopNotificationIcon::Hide()
{
    shown_ = false;
    item_->Hide();
    UpdateEmbeddedIcon();
}

void DesktopNotificationIcon::UpdateEmbeddedIcon()
{
    if (!embedded_)
        return;
    if (shown_ && !item_->Registered())
        embedded_->Show();
    else
        embedded_->Hide();
}
