#pragma once

#include "browser/PageHost.h"

#include <QHash>
#include <QObject>
#include <QWebEnginePage>

#include <functional>

class NotificationPermissions;
class QWebEngineView;

// Answers every permission a page asks for but the mouse lock (see PointerLock), so that no
// page waits for ever: notifications are asked once per site and the answer kept on disk;
// the microphone and the camera are asked once per site and run; locating the player and
// capturing the desktop are refused at once. A box the page stops waiting for closes.
class PagePermissions : public QObject {
    Q_OBJECT
public:
    // Answers of this run to the microphone and camera, by site and power, shared by the tabs.
    using MediaAnswers = QHash<QString, bool>;

    PagePermissions(QWebEngineView* view, PageHost& host, NotificationPermissions& notifications,
                    MediaAnswers& mediaAnswers);
    ~PagePermissions() override;

private:
    void Requested(const QUrl& origin, QWebEnginePage::Feature feature);
    void Withdrawn(const QUrl& origin, QWebEnginePage::Feature feature);
    // Asks the player unless a box for the same already waits; remember keeps the answer.
    void Ask(const QUrl& origin, QWebEnginePage::Feature feature, PermissionKind kind,
             std::function<void(bool)> remember);
    void Answer(const QUrl& origin, QWebEnginePage::Feature feature, bool granted);
    static QString Key(const QUrl& origin, QWebEnginePage::Feature feature);

    QWebEngineView* view_;
    PageHost& host_;
    NotificationPermissions& notifications_;
    MediaAnswers& mediaAnswers_;
    QHash<QString, std::function<void()>> waiting_;  // the boxes up, by site and power
};
