#include "platform/StatusNotifierItem.h"

#include "platform/StatusNotifierItemAdaptor.h"

#include <QCoreApplication>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusServiceWatcher>
#include <QDBusVariant>
#include <QIcon>

namespace {
const QString WatcherService = QStringLiteral("org.kde.StatusNotifierWatcher");
const QString WatcherPath = QStringLiteral("/StatusNotifierWatcher");
const QString ItemPath = QStringLiteral("/StatusNotifierItem");
}  // namespace

StatusNotifierItem::StatusNotifierItem(const QDBusConnection& bus, const QString& id, QObject* parent)
    : QObject(parent),
      bus_(bus),
      id_(id),
      serviceName_(QStringLiteral("org.kde.StatusNotifierItem-%1-1").arg(QCoreApplication::applicationPid())),
      adaptor_(new StatusNotifierItemAdaptor(this)),
      watcher_(new QDBusServiceWatcher(WatcherService, bus, QDBusServiceWatcher::WatchForOwnerChange, this))
{
    RegisterSniTypes();
    connect(watcher_, &QDBusServiceWatcher::serviceOwnerChanged, this,
            [this](const QString&, const QString&, const QString& newOwner) {
                SetRegistered(false);
                if (!newOwner.isEmpty())
                    Announce();
            });
}

StatusNotifierItem::~StatusNotifierItem()
{
    Hide();
}

bool StatusNotifierItem::HostAvailable() const
{
    if (!bus_.isConnected() || !bus_.interface()->isServiceRegistered(WatcherService))
        return false;
    QDBusMessage get = QDBusMessage::createMethodCall(WatcherService, WatcherPath,
                                                      QStringLiteral("org.freedesktop.DBus.Properties"),
                                                      QStringLiteral("Get"));
    get << WatcherService << QStringLiteral("IsStatusNotifierHostRegistered");
    const QDBusMessage reply = bus_.call(get, QDBus::Block, 2000);
    return reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty()
        && reply.arguments().first().value<QDBusVariant>().variant().toBool();
}

void StatusNotifierItem::SetIcon(const QIcon& icon)
{
    pixmaps_ = SniPixmapsOf(icon);
    if (shown_)
        Q_EMIT adaptor_->NewIcon();
}

void StatusNotifierItem::SetHint(const QString& hint)
{
    hint_ = hint.left(127);
    if (!shown_)
        return;
    Q_EMIT adaptor_->NewTitle();
    Q_EMIT adaptor_->NewToolTip();
}

void StatusNotifierItem::Show()
{
    if (shown_ || !bus_.isConnected())
        return;
    shown_ = bus_.registerObject(ItemPath, this, QDBusConnection::ExportAdaptors);
    if (!shown_)
        return;
    if (!bus_.registerService(serviceName_))
        serviceName_ = bus_.baseService();
    Announce();
}

void StatusNotifierItem::Hide()
{
    if (!shown_)
        return;
    shown_ = false;
    bus_.unregisterObject(ItemPath);
    if (serviceName_ != bus_.baseService())
        bus_.unregisterService(serviceName_);
    SetRegistered(false);
}

void StatusNotifierItem::HostActivated(QPoint at)
{
    QMetaObject::invokeMethod(this, [this, at] { Q_EMIT Activated(at); }, Qt::QueuedConnection);
}

void StatusNotifierItem::HostAskedForMenu(QPoint at)
{
    QMetaObject::invokeMethod(this, [this, at] { Q_EMIT ContextMenuAsked(at); }, Qt::QueuedConnection);
}

void StatusNotifierItem::Announce()
{
    if (!shown_ || !bus_.interface()->isServiceRegistered(WatcherService))
        return;
    QDBusMessage registration = QDBusMessage::createMethodCall(WatcherService, WatcherPath, WatcherService,
                                                               QStringLiteral("RegisterStatusNotifierItem"));
    registration << serviceName_;
    auto* call = new QDBusPendingCallWatcher(bus_.asyncCall(registration), this);
    connect(call, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* done) {
        done->deleteLater();
        SetRegistered(shown_ && !done->isError());
    });
}

void StatusNotifierItem::SetRegistered(bool registered)
{
    if (registered == registered_)
        return;
    registered_ = registered;
    Q_EMIT RegistrationChanged(registered);
}
