#include "platform/FreedesktopNotifications.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusReply>
#include <QGuiApplication>
#include <QVariantMap>

namespace {
const QString Service = QStringLiteral("org.freedesktop.Notifications");
const QString Path = QStringLiteral("/org/freedesktop/Notifications");
const QString Interface = QStringLiteral("org.freedesktop.Notifications");
// A service that does not answer within this long is taken for none.
constexpr int CallTimeoutMs = 2000;
const QString DefaultAction = QStringLiteral("default");

QDBusMessage Call(const QString& method, const QVariantList& arguments)
{
    QDBusMessage call = QDBusMessage::createMethodCall(Service, Path, Interface, method);
    call.setArguments(arguments);
    return QDBusConnection::sessionBus().call(call, QDBus::Block, CallTimeoutMs);
}
}  // namespace

FreedesktopNotifications::FreedesktopNotifications(QObject* parent) : DesktopNotifications(parent)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    bus.connect(Service, Path, Interface, QStringLiteral("ActionInvoked"), this,
                SLOT(ActionInvoked(uint, QString)));
    bus.connect(Service, Path, Interface, QStringLiteral("NotificationClosed"), this,
                SLOT(NotificationClosed(uint, uint)));
}

bool FreedesktopNotifications::BodyMarkup()
{
    if (!bodyMarkup_) {
        const QDBusReply<QStringList> capabilities = Call(QStringLiteral("GetCapabilities"), {});
        bodyMarkup_ = capabilities.isValid() && capabilities.value().contains(QStringLiteral("body-markup"));
    }
    return *bodyMarkup_;
}

quint32 FreedesktopNotifications::Show(const QString& title, const QString& body, quint32 replaces)
{
    if (!QDBusConnection::sessionBus().isConnected())
        return 0;
    // A page's words are text: where the service would read markup, it gets none.
    const QString text = BodyMarkup() ? body.toHtmlEscaped() : body;
    const QVariantMap hints{{QStringLiteral("desktop-entry"), QStringLiteral("net.kestrune.Kestrune")}};
    const QDBusReply<uint> id =
        Call(QStringLiteral("Notify"), {QGuiApplication::applicationDisplayName(), uint(replaces), QString(), title,
                                        text, QStringList{DefaultAction, QStringLiteral("打开")}, hints, -1});
    return id.isValid() ? id.value() : 0;
}

void FreedesktopNotifications::Close(quint32 id)
{
    if (QDBusConnection::sessionBus().isConnected())
        Call(QStringLiteral("CloseNotification"), {uint(id)});
}

void FreedesktopNotifications::ActionInvoked(uint id, const QString& action)
{
    if (action == DefaultAction)
        Q_EMIT Clicked(id);
}

void FreedesktopNotifications::NotificationClosed(uint id, uint)
{
    Q_EMIT Closed(id);
}
