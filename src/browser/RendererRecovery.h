#pragma once

#include <QObject>
#include <QWebEnginePage>
#include <optional>

class Clock;

// Brings a tab back when the process that renders its page ends abnormally: the page is
// loaded again once; if the renderer ends abnormally again within RepeatWindowMs, the tab
// shows a page of the client's own with a link back to what it showed, rather than a
// renderer that may go on dying.
class RendererRecovery : public QObject {
    Q_OBJECT
public:
    static constexpr qint64 RepeatWindowMs = 30000;

    // Watches Page for as long as it lives.
    RendererRecovery(QWebEnginePage* page, Clock& clock);

private:
    void Ended(QWebEnginePage::RenderProcessTerminationStatus status);
    void ShowStopped();

    QWebEnginePage* page_;
    Clock& clock_;
    std::optional<qint64> lastAbnormalEnd_;
    QUrl shownUrl_;
};
