#pragma once

#include "platform/StatusNotifierTypes.h"

#include <QDBusConnection>
#include <QObject>
#include <QPoint>

class QDBusServiceWatcher;
class StatusNotifierItemAdaptor;

// The client's icon as a notification-area item on the session bus, for the desktops whose
// notification area is a host of such items rather than a place for icon windows. While shown
// the item owns a name of its own on the bus and is announced to the bus's item watcher, now
// or whenever a watcher starts later; the host then reads it and calls it for the player's
// clicks. Hidden, the name goes and hosts drop the item.
class StatusNotifierItem : public QObject {
    Q_OBJECT
public:
    // id: the application's fixed name for the item.
    StatusNotifierItem(const QDBusConnection& bus, const QString& id, QObject* parent = nullptr);
    ~StatusNotifierItem() override;

    // Whether a watcher is on the bus and has a host that shows items.
    bool HostAvailable() const;
    // Whether a watcher took the item.
    bool Registered() const { return registered_; }

    void SetIcon(const QIcon& icon);
    void SetHint(const QString& hint);
    void Show();
    void Hide();

    const QString& Id() const { return id_; }
    const QString& Hint() const { return hint_; }
    const SniPixmapList& Pixmaps() const { return pixmaps_; }
    // The name the item owns on the bus while shown.
    const QString& ServiceName() const { return serviceName_; }

    // The host's calls, passed on once the call has been answered (a menu's own loop must
    // not keep the host waiting).
    void HostActivated(QPoint at);
    void HostAskedForMenu(QPoint at);

Q_SIGNALS:
    void Activated(QPoint at);
    void ContextMenuAsked(QPoint at);
    // A watcher took the item, or the watcher it was registered with went away.
    void RegistrationChanged(bool registered);

private:
    void Announce();
    void SetRegistered(bool registered);

    QDBusConnection bus_;
    QString id_;
    QString hint_;
    QString serviceName_;
    SniPixmapList pixmaps_;
    StatusNotifierItemAdaptor* adaptor_;
    QDBusServiceWatcher* watcher_;
    bool shown_ = false;
    bool registered_ = false;
};
