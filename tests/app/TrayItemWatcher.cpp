#include "TrayItemWatcher.h"

#include <QDBusMessage>
#include <QDBusVariant>
#include <QPoint>

namespace {
const QString Name = QStringLiteral("org.kde.StatusNotifierWatcher");
const QString ItemInterface = QStringLiteral("org.kde.StatusNotifierItem");
}  // namespace

TrayItemWatcher::TrayItemWatcher(const QString& address)
    : bus_(QDBusConnection::connectToBus(address, QStringLiteral("tray-watcher")))
{
}

TrayItemWatcher::~TrayItemWatcher()
{
    QDBusConnection::disconnectFromBus(QStringLiteral("tray-watcher"));
}

bool TrayItemWatcher::Start()
{
    return bus_.registerObject(QStringLiteral("/StatusNotifierWatcher"), this,
                               QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllProperties
                                   | QDBusConnection::ExportAllSignals)
        && bus_.registerService(Name);
}

void TrayItemWatcher::RegisterStatusNotifierItem(const QString& service)
{
    items_ << service;
    Q_EMIT StatusNotifierItemRegistered(service);
}

bool TrayItemWatcher::CallItem(const QString& service, const QString& method, QPoint at)
{
    QDBusMessage call =
        QDBusMessage::createMethodCall(service, QStringLiteral("/StatusNotifierItem"), ItemInterface, method);
    call << at.x() << at.y();
    return bus_.call(call, QDBus::Block, 5000).type() == QDBusMessage::ReplyMessage;
}

QString TrayItemWatcher::ItemText(const QString& service, const QString& property)
{
    QDBusMessage get = QDBusMessage::createMethodCall(service, QStringLiteral("/StatusNotifierItem"),
                                                      QStringLiteral("org.freedesktop.DBus.Properties"),
                                                      QStringLiteral("Get"));
    get << ItemInterface << property;
    const QDBusMessage reply = bus_.call(get, QDBus::Block, 5000);
    return reply.arguments().isEmpty() ? QString()
                                       : reply.arguments().first().value<QDBusVariant>().variant().toString();
}
