#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QStringList>

// The least a notification host's watcher does on a session bus: it takes the watcher's name,
// says a host is there, and records the items that register with it.
class TrayItemWatcher : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierWatcher")
    Q_PROPERTY(bool IsStatusNotifierHostRegistered READ IsStatusNotifierHostRegistered)
    Q_PROPERTY(int ProtocolVersion READ ProtocolVersion)
    Q_PROPERTY(QStringList RegisteredStatusNotifierItems READ RegisteredStatusNotifierItems)
public:
    // Connects to the bus at address; Start takes the watcher's name on it.
    explicit TrayItemWatcher(const QString& address);
    ~TrayItemWatcher() override;
    bool Start();

    bool IsStatusNotifierHostRegistered() const { return true; }
    int ProtocolVersion() const { return 0; }
    QStringList RegisteredStatusNotifierItems() const { return items_; }

    // Calls a method of the item a service registered, with a point; false when the call failed.
    bool CallItem(const QString& service, const QString& method, QPoint at);
    // Reads a text property of a registered item.
    QString ItemText(const QString& service, const QString& property);

public Q_SLOTS:
    void RegisterStatusNotifierItem(const QString& service);

Q_SIGNALS:
    void StatusNotifierItemRegistered(const QString& service);

private:
    QDBusConnection bus_;
    QStringList items_;
};
