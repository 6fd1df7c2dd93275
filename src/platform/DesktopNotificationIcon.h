#pragma once

#include "platform/NotificationIcon.h"

#include <QDBusConnection>

class StatusNotifierItem;
class SystemNotificationIcon;

// The client's icon wherever the desktop keeps its notification area: as an item on the
// session bus for hosts of such items (a watcher on the bus, now or later), and on X11, where
// no such host was there at the start, also as an icon window in the X notification area,
// which stands back while a host has the item. A host's activation (its single click) counts
// as the icon's double click; its menu request carries the place the host chose, or the
// pointer's when it gives none.
class DesktopNotificationIcon : public NotificationIcon {
    Q_OBJECT
public:
    explicit DesktopNotificationIcon(const QDBusConnection& bus = QDBusConnection::sessionBus(),
                                     QObject* parent = nullptr);
    ~DesktopNotificationIcon() override;

    bool HostAvailable() const override;
    void SetIcon(const QIcon& icon) override;
    void SetHint(const QString& hint) override;
    void Show() override;
    void Hide() override;

    StatusNotifierItem* Item() const { return item_; }
    // The X notification area's icon; null where the desktop has none to offer.
    SystemNotificationIcon* EmbeddedIcon() const { return embedded_; }

private:
    void UpdateEmbeddedIcon();

    StatusNotifierItem* item_;
    SystemNotificationIcon* embedded_ = nullptr;
    bool shown_ = false;
};
