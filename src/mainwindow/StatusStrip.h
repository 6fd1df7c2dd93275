#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>

class Clock;
class QWebEnginePage;
class TLabel;

// What the window's status label says, the first that applies of: the address of the link
// under the pointer in the front tab, "正在载入…" with the share loaded while the front tab
// loads, the latest download's news (finished and failed downloads for NewsMs), and the host
// of the page the main tab shows while it is in front and away from the portal's host.
class StatusStrip : public QObject {
    Q_OBJECT
public:
    static constexpr qint64 NewsMs = 10000;

    StatusStrip(TLabel* label, const QString& portalHost, Clock& clock, QObject* parent);

    // Follows a tab's page; MainTab marks the page of the main tab.
    void Watch(QWebEnginePage* page, bool mainTab);
    // The page of the tab in front.
    void SetFront(QWebEnginePage* page);

    void DownloadProgress(const QString& name, int percent);
    void DownloadFinished(const QString& name);
    void DownloadFailed(const QString& name);
    // Whether the label shows a finished download, whose folder a click on it opens.
    bool ShowsFinishedDownload() const;

private:
    enum class News { None, Running, Finished, Failed };

    void SetNews(News kind, const QString& text);
    void Show();
    QString OffPortalHost() const;

    TLabel* label_;
    QString portalHost_;
    Clock& clock_;
    QPointer<QWebEnginePage> front_;
    QPointer<QWebEnginePage> main_;
    QHash<const QWebEnginePage*, int> loading_;  // percent loaded, for pages that are loading
    QString hoveredLink_;
    News news_ = News::None;
    QString newsText_;
    int newsNumber_ = 0;
    bool showingFinished_ = false;
};
