#pragma once

#include <QObject>
#include <QUrl>
#include <chrono>

class Clock;
class QWebEngineLoadingInfo;
class QWebEnginePage;

// Keeps trying the portal's home page when it cannot be reached: while a load of the home
// page fails for want of a connection (refused, no such host, timed out), the tab shows a
// page of the client's own saying so, and the home page is loaded again after pauses that
// double from 2 s up to 60 s. Other failures (a page the server refuses, a bad certificate)
// and other pages keep the engine's own error page.
class PortalRetry : public QObject {
    Q_OBJECT
public:
    PortalRetry(QWebEnginePage* page, const QUrl& home, Clock& clock);

    // The pause before retry number Attempt (0 for the first).
    static std::chrono::milliseconds Pause(int attempt);

private:
    // Whether a failed load failed for want of a connection to the server.
    static bool Unreachable(const QWebEngineLoadingInfo& info);
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
