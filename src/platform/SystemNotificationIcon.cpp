#include "platform/SystemNotificationIcon.h"

#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QSystemTrayIcon>

SystemNotificationIcon::SystemNotificationIcon(QObject* parent)
    : NotificationIcon(parent), icon_(new QSystemTrayIcon(this))
{
    connect(icon_, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::DoubleClick)
            Q_EMIT OnDblClick(this);
        else if (reason == QSystemTrayIcon::Context)
            ContextAsked();
    });
}

void SystemNotificationIcon::ContextAsked()
{
    if (!(QGuiApplication::mouseButtons() & Qt::RightButton)) {
        Q_EMIT OnContextMenu(QCursor::pos());
        return;
    }
    // The press's release goes to the icon's window, which holds the pointer until then.
    if (!awaitingRelease_)
        QCoreApplication::instance()->installEventFilter(this);
    awaitingRelease_ = true;
}

bool SystemNotificationIcon::eventFilter(QObject* watched, QEvent* event)
{
    // A new press means the release went elsewhere (the notification area took the pointer):
    // the menu is not opened by some later release, a right click in a page say.
    if (event->type() == QEvent::MouseButtonPress && awaitingRelease_)
        StopAwaitingRelease();
    else if (event->type() == QEvent::MouseButtonRelease && awaitingRelease_
        && static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
        StopAwaitingRelease();
        // Once the release has reached the icon: the menu then starts on a quiet pointer.
        const QPoint at = static_cast<QMouseEvent*>(event)->globalPosition().toPoint();
        QMetaObject::invokeMethod(this, [this, at] { Q_EMIT OnContextMenu(at); }, Qt::QueuedConnection);
    }
    return NotificationIcon::eventFilter(watched, event);
}

void SystemNotificationIcon::StopAwaitingRelease()
{
    awaitingRelease_ = false;
    QCoreApplication::instance()->removeEventFilter(this);
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
