#pragma once

#include "platform/DesktopNotifications.h"

#include <optional>

// The desktop's notification service on the session bus (org.freedesktop.Notifications). A
// click on a message is its default action. Without a session bus or service nothing shows.
class FreedesktopNotifications : public DesktopNotifications {
    Q_OBJECT
public:
    explicit FreedesktopNotifications(QObject* parent = nullptr);

    quint32 Show(const QString& title, const QString& body, quint32 replaces) override;
    void Close(quint32 id) override;

private Q_SLOTS:
    void ActionInvoked(uint id, const QString& action);
    void NotificationClosed(uint id, uint reason);

private:
    // Whether the service reads markup in a message's body, asked once.
    bool BodyMarkup();

    std::optional<bool> bodyMarkup_;
};
