#pragma once

#include <QObject>
#include <QUrl>

#include <functional>
#include <map>
#include <memory>

class DesktopNotifications;
class QWebEngineNotification;
class QWebEngineProfile;

// Shows the notifications the profile's pages send (those the player allowed) through the
// desktop's notification service. A click on one tells its page and calls clicked with the
// page's site; a notification the desktop closes is closed for its page, one the page closes
// leaves the desktop. A page's notification with the tag of one still shown replaces it.
class NotificationPresenter : public QObject {
    Q_OBJECT
public:
    NotificationPresenter(QWebEngineProfile* profile, DesktopNotifications& desktop,
                          std::function<void(const QUrl& origin)> clicked, QObject* parent = nullptr);
    ~NotificationPresenter() override;

private:
    void Present(std::unique_ptr<QWebEngineNotification> notification);
    void Clicked(quint32 id);
    void Forget(quint32 id);

    QWebEngineProfile* profile_;
    DesktopNotifications& desktop_;
    std::function<void(const QUrl&)> clicked_;
    std::map<quint32, std::unique_ptr<QWebEngineNotification>> shown_;
};
