#pragma once

#include "platform/NotificationIcon.h"

class QSystemTrayIcon;

// The desktop's own notification area, through QSystemTrayIcon.
class SystemNotificationIcon : public NotificationIcon {
    Q_OBJECT
public:
    explicit SystemNotificationIcon(QObject* parent = nullptr);

    bool HostAvailable() const override;
    void SetIcon(const QIcon& icon) override;
    void SetHint(const QString& hint) override;
    void Show() override;
    void Hide() override;

private:
    QSystemTrayIcon* icon_;
};
