#include "browser/NotificationPresenter.h"

#include "framework/DebugOutput.h"
#include "framework/TApplicationEvents.h"
#include "platform/DesktopNotifications.h"

#include <QWebEngineNotification>
#include <QWebEngineProfile>

NotificationPresenter::NotificationPresenter(QWebEngineProfile* profile, DesktopNotifications& desktop,
                                             std::function<void(const QUrl& origin)> clicked, QObject* parent)
    : QObject(parent), profile_(profile), desktop_(desktop), clicked_(std::move(clicked))
{
    profile->setNotificationPresenter([this](std::unique_ptr<QWebEngineNotification> notification) {
        TApplicationEvents::Guard([&] { Present(std::move(notification)); });
    });
    connect(&desktop, &DesktopNotifications::Clicked, this, &NotificationPresenter::Clicked);
    connect(&desktop, &DesktopNotifications::Closed, this, [this](quint32 id) {
        if (const auto it = shown_.find(id); it != shown_.end())
            it->second->close();
        Forget(id);
    });
}

NotificationPresenter::~NotificationPresenter()
{
    // The profile outlives the window this belongs to.
    profile_->setNotificationPresenter({});
}

void NotificationPresenter::Present(std::unique_ptr<QWebEngineNotification> notification)
{
    quint32 replaces = 0;
    for (const auto& [id, shown] : shown_)
        if (shown->matches(notification.get()))
            replaces = id;
    const quint32 id = desktop_.Show(notification->title(), notification->message(), replaces);
    if (id == 0) {
        OutputDebugLine(QStringLiteral("A notification of %1 was not shown: the desktop has no notification service")
                            .arg(notification->origin().toString()));
        notification->close();
        return;
    }
    connect(notification.get(), &QWebEngineNotification::closed, this, [this, id] {
        desktop_.Close(id);
        Forget(id);
    });
    notification->show();
    Forget(replaces);
    shown_[id] = std::move(notification);
}

void NotificationPresenter::Clicked(quint32 id)
{
    const auto it = shown_.find(id);
    if (it == shown_.end())
        return;
    it->second->click();
    const QUrl origin = it->second->origin();
    TApplicationEvents::Guard([&] { clicked_(origin); });
}

void NotificationPresenter::Forget(quint32 id)
{
    // The notification may be the sender of what got here: it goes once the signal is done.
    if (const auto it = shown_.find(id); it != shown_.end()) {
        it->second.release()->deleteLater();
        shown_.erase(it);
    }
}
