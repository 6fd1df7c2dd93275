#pragma once

#include <QObject>
#include <QUrl>
#include <chrono>

class Clock;
class QWebEngineLoadingInfo;
class QWebEnginePage;

// Keeps trying the portal's home page when there is no route to it: while a load of the home
// page fails for want of a connection (refused, reset, unreachable, no such host, timed out,
// offline), the tab shows a page of the client's own saying so, and the home page is loaded
// again after pauses that double from 2 s up to 60 s. Other failures (a secure connection that
// cannot be set up, a bad certificate, a failing proxy, a page the server refuses) are not
// tried again, and other pages are not watched.
class PortalRetry : public QObject {
    Q_OBJECT
public:
    PortalRetry(QWebEnginePage* page, const QUrl& home, Clock& clock);

    // The pause before retry number Attempt (0 for the first).
    static std::chrono::milliseconds Pause(int attempt);

private:
    void LoadingChanged(const QWebEngineLoadingInfo& info);
    void ShowUnreachable(std::chrono::milliseconds pause);
    void Retry();

    QWebEnginePage* page_;
    QUrl home_;
    Clock& clock_;
    int attempt_ = 0;
    std::chrono::milliseconds pause_{0};
    bool pending_ = false;
};
