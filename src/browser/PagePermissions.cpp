#include "browser/PagePermissions.h"

#include "browser/NotificationPermissions.h"
#include "framework/TApplicationEvents.h"

#include <utility>
#include <QWebEngineView>

PagePermissions::PagePermissions(QWebEngineView* view, PageHost& host, NotificationPermissions& notifications,
                                 MediaAnswers& mediaAnswers)
    : QObject(view->page()), view_(view), host_(host), notifications_(notifications), mediaAnswers_(mediaAnswers)
{
    QWebEnginePage* page = view->page();
    connect(page, &QWebEnginePage::featurePermissionRequested, this, [this](const QUrl& origin, QWebEnginePage::Feature feature) {
        TApplicationEvents::Guard([&] { Requested(origin, feature); });
    });
    connect(page, &QWebEnginePage::featurePermissionRequestCanceled, this,
            [this](const QUrl& origin, QWebEnginePage::Feature feature) { Withdrawn(origin, feature); });
}

PagePermissions::~PagePermissions()
{
    // The page goes: its boxes close unanswered.
    for (const std::function<void()>& close : std::exchange(waiting_, {}))
        if (close)
            close();
}

QString PagePermissions::Key(const QUrl& origin, QWebEnginePage::Feature feature)
{
    return NotificationPermissions::Key(origin) + u' ' + QString::number(int(feature));
}

void PagePermissions::Requested(const QUrl& origin, QWebEnginePage::Feature feature)
{
    switch (feature) {
    case QWebEnginePage::Notifications:
        if (const std::optional<bool> known = notifications_.Answer(origin))
            Answer(origin, feature, *known);
        else
            Ask(origin, feature, PermissionKind::Notifications,
                [this, origin](bool granted) { notifications_.Remember(origin, granted); });
        return;
    case QWebEnginePage::MediaAudioCapture:
    case QWebEnginePage::MediaVideoCapture:
    case QWebEnginePage::MediaAudioVideoCapture: {
        const QString key = Key(origin, feature);
        if (const auto known = mediaAnswers_.constFind(key); known != mediaAnswers_.cend()) {
            Answer(origin, feature, *known);
            return;
        }
        const PermissionKind kind = feature == QWebEnginePage::MediaAudioCapture   ? PermissionKind::Microphone
                                    : feature == QWebEnginePage::MediaVideoCapture ? PermissionKind::Camera
                                                                                    : PermissionKind::MicrophoneAndCamera;
        Ask(origin, feature, kind, [this, key](bool granted) { mediaAnswers_.insert(key, granted); });
        return;
    }
    case QWebEnginePage::MouseLock:
        return;  // the tab's pointer lock answers
    default:
        // Where the player is, and the desktop's picture, are nobody's business.
        Answer(origin, feature, false);
    }
}

void PagePermissions::Ask(const QUrl& origin, QWebEnginePage::Feature feature, PermissionKind kind,
                          std::function<void(bool)> remember)
{
    const QString key = Key(origin, feature);
    if (waiting_.contains(key))
        return;
    waiting_.insert(key, {});
    std::function<void()> close = host_.AskPermission(view_, origin, kind, [=, this](bool granted) {
        waiting_.remove(key);
        TApplicationEvents::Guard([&] { remember(granted); });
        Answer(origin, feature, granted);
    });
    // An answer that came at once has taken the key out already.
    if (waiting_.contains(key))
        waiting_.insert(key, std::move(close));
}

void PagePermissions::Withdrawn(const QUrl& origin, QWebEnginePage::Feature feature)
{
    if (const std::function<void()> close = waiting_.take(Key(origin, feature)))
        close();
}

void PagePermissions::Answer(const QUrl& origin, QWebEnginePage::Feature feature, bool granted)
{
    view_->page()->setFeaturePermission(origin, feature,
                                        granted ? QWebEnginePage::PermissionGrantedByUser
                                                : QWebEnginePage::PermissionDeniedByUser);
}
