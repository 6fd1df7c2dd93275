#pragma once

#include <QObject>

class PageHost;
class QAuthenticator;
class QWebEngineView;

// Answers a server's or a proxy's demand for a user name and password (HTTP 401 and 407) by
// asking the player. Declined, the request goes on without, and the page shows the server's
// own answer. Nothing is kept.
class PageSignIn : public QObject {
    Q_OBJECT
public:
    PageSignIn(QWebEngineView* view, PageHost& host);

private:
    void Ask(const QString& host, QAuthenticator* authenticator, bool proxy);

    QWebEngineView* view_;
    PageHost& host_;
};
