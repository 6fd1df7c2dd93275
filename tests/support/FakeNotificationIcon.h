#pragma once

#include "platform/NotificationIcon.h"

#include <QIcon>
#include <QString>

// Records what the client shows in the notification area; a test chooses whether the desktop
// has one, and acts for the player through the signals.
class FakeNotificationIcon : public NotificationIcon {
public:
    bool HostAvailable() const override { return hostAvailable; }
    void SetIcon(const QIcon& newIcon) override { icon = newIcon; }
    void SetHint(const QString& newHint) override { hint = newHint; }
    void Show() override { shown = true; }
    void Hide() override { shown = false; }

    bool hostAvailable = true;
    QIcon icon;
    QString hint;
    bool shown = false;
};
