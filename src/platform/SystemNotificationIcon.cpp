#include "platform/SystemNotificationIcon.h"

#include <QCursor>
#include <QSystemTrayIcon>

SystemNotificationIcon::SystemNotificationIcon(QObject* parent)
    : NotificationIcon(parent), icon_(new QSystemTrayIcon(this))
{
    connect(icon_, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::DoubleClick)
            Q_EMIT OnDblClick(this);
        else if (reason == QSystemTrayIcon::Context)
            Q_EMIT OnContextMenu(QCursor::pos());
    });
}

bool SystemNotificationIcon::HostAvailable() const
{
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void SystemNotificationIcon::SetIcon(const QIcon& icon)
{
    icon_->setIcon(icon);
}

void SystemNotificationIcon::SetHint(const QString& hint)
{
    icon_->setToolTip(hint);
}

void SystemNotificationIcon::Show()
{
    icon_->show();
}

void SystemNotificationIcon::Hide()
{
    icon_->hide();
}
