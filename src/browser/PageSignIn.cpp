#include "browser/PageSignIn.h"

#include "browser/PageHost.h"
#include "framework/TApplicationEvents.h"

#include <QAuthenticator>
#include <QWebEngineView>

PageSignIn::PageSignIn(QWebEngineView* view, PageHost& host) : QObject(view->page()), view_(view), host_(host)
{
    // The engine reads the authenticator as the signal returns: the player is asked meanwhile.
    connect(view->page(), &QWebEnginePage::authenticationRequired, this,
            [this](const QUrl& url, QAuthenticator* authenticator) { Ask(url.host(), authenticator, false); });
    connect(view->page(), &QWebEnginePage::proxyAuthenticationRequired, this,
            [this](const QUrl&, QAuthenticator* authenticator, const QString& proxyHost) {
                Ask(proxyHost, authenticator, true);
            });
}

void PageSignIn::Ask(const QString& host, QAuthenticator* authenticator, bool proxy)
{
    std::optional<Credentials> credentials;
    TApplicationEvents::Guard([&] {
        credentials = host_.AskSignIn(view_, {host, authenticator->realm(), proxy});
    });
    if (!credentials) {
        *authenticator = QAuthenticator();  // declined: the engine goes on without
        return;
    }
    authenticator->setUser(credentials->user);
    authenticator->setPassword(credentials->password);
}
