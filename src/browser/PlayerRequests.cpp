#include "browser/PlayerRequests.h"

#include "browser/ErrorPages.h"
#include "browser/PageHost.h"
#include "browser/PageSignIn.h"
#include "browser/PointerLock.h"
#include "browser/ScriptDialogs.h"
#include "browser/TWebBrowser.h"
#include "browser/TWebPage.h"

#include <QWebEngineProfile>

PlayerRequests::PlayerRequests(Services services, QWebEngineProfile* profile, QObject* parent)
    : QObject(parent), services_(services), files_(services.Files),
      notificationAnswers_(profile->persistentStoragePath() + QStringLiteral("/NotificationAnswers")),
      presenter_(profile, services.Notifications, [this](const QUrl& origin) { NotificationClicked(origin); })
{
}

void PlayerRequests::Attach(TWebBrowser* browser, bool mainTab)
{
    auto* page = static_cast<TWebPage*>(browser->Application());
    new ScriptDialogs(page, browser, services_.Host, services_.Time);
    page->OnChooseFiles = [this, browser](QWebEnginePage::FileSelectionMode mode, const QStringList& accepted) {
        return files_.Choose(browser, mode, accepted);
    };
    new PagePermissions(browser, services_.Host, notificationAnswers_, mediaAnswers_);
    new PointerLock(browser, services_.Time);
    new PageSignIn(browser, services_.Host);
    new ErrorPages(page, mainTab ? QList{LoadFailure::Tls, LoadFailure::Certificate, LoadFailure::Proxy}
                                 : QList{LoadFailure::Certificate});
    // The tab that last asked to notify is the one a notification of its site comes from.
    connect(page, &QWebEnginePage::featurePermissionRequested, this,
            [this, browser](const QUrl& origin, QWebEnginePage::Feature feature) {
                if (feature == QWebEnginePage::Notifications)
                    notifiers_.insert(NotificationPermissions::Key(origin), browser);
            });
}

void PlayerRequests::NotificationClicked(const QUrl& origin)
{
    if (TWebBrowser* notifier = notifiers_.value(NotificationPermissions::Key(origin)))
        services_.Host.BringForward(notifier);
}
