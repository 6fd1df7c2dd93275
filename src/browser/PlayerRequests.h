#pragma once

#include "browser/FileChoice.h"
#include "browser/NotificationPermissions.h"
#include "browser/NotificationPresenter.h"
#include "browser/PagePermissions.h"

#include <QHash>
#include <QObject>
#include <QPointer>

class Clock;
class DesktopNotifications;
class FileChooser;
class PageHost;
class QWebEngineProfile;
class TWebBrowser;

// Everything a window's pages may ask of the player, answered through the window (PageHost)
// and the desktop: script dialogs, file choosers, permissions, sign-in, notifications, and the
// client's own pages for loads that failed for reasons the player should know. What is
// remembered is shared by the window's tabs: the last folder files came from and the answers
// to the microphone and camera for this run, the answers to notifications on disk.
class PlayerRequests : public QObject {
    Q_OBJECT
public:
    struct Services {
        PageHost& Host;
        FileChooser& Files;
        DesktopNotifications& Notifications;
        Clock& Time;
    };

    // Notification answers are kept in the profile's storage folder.
    PlayerRequests(Services services, QWebEngineProfile* profile, QObject* parent = nullptr);

    // From now on Browser's page asks the player. The main tab explains a secure connection
    // that failed and a failing proxy with pages of the client's own too; every tab explains a
    // doubtful certificate so.
    void Attach(TWebBrowser* browser, bool mainTab);

    FileChoice& Files() { return files_; }

private:
    // A click on a notification: the tab of its site that last asked to notify comes to the
    // front (pages ask before they notify; a notification does not name its page).
    void NotificationClicked(const QUrl& origin);

    Services services_;
    FileChoice files_;
    NotificationPermissions notificationAnswers_;
    PagePermissions::MediaAnswers mediaAnswers_;
    NotificationPresenter presenter_;
    QHash<QString, QPointer<TWebBrowser>> notifiers_;
};
