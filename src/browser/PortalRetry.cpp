#include "browser/PortalRetry.h"

#include "browser/LoadFailure.h"
#include "browser/LocalPage.h"
#include "platform/Clock.h"

#include <QWebEngineLoadingInfo>
#include <QWebEnginePage>
#include <algorithm>

namespace {
constexpr std::chrono::milliseconds FirstPause{2000};
constexpr std::chrono::milliseconds LongestPause{60000};
}  // namespace

PortalRetry::PortalRetry(QWebEnginePage* page, const QUrl& home, Clock& clock)
    : QObject(page), page_(page), home_(home), clock_(clock)
{
    connect(page, &QWebEnginePage::loadingChanged, this, [this](const QWebEngineLoadingInfo& info) {
        // Act in a later turn, outside the engine's report of the load.
        QMetaObject::invokeMethod(this, [this, info] { LoadingChanged(info); }, Qt::QueuedConnection);
    });
}

std::chrono::milliseconds PortalRetry::Pause(int attempt)
{
    // Doubling stops well before the shift could overflow.
    return attempt >= 5 ? LongestPause : std::min(LongestPause, FirstPause * (1 << attempt));
}

void PortalRetry::LoadingChanged(const QWebEngineLoadingInfo& info)
{
    if (info.url() != home_)
        return;
    if (info.status() == QWebEngineLoadingInfo::LoadSucceededStatus) {
        attempt_ = 0;
    } else if (info.status() == QWebEngineLoadingInfo::LoadFailedStatus
               && LoadFailureOf(info.errorDomain(), info.errorCode()) == LoadFailure::NoRoute) {
        // A load the player started while a retry waits changes nothing about that retry.
        if (!pending_) {
            pause_ = Pause(attempt_++);
            pending_ = true;
            clock_.After(pause_, this, [this] { Retry(); });
        }
        ShowUnreachable(pause_);
    }
}

void PortalRetry::ShowUnreachable(std::chrono::milliseconds pause)
{
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(pause).count();
    LocalPage{QStringLiteral("暂时无法连接游戏大厅"),
              QStringLiteral("网络或服务器暂时无法访问，%1 秒后自动重试。").arg(seconds),
              QStringLiteral("立即重试"), home_}
        .ShowIn(page_);
}

void PortalRetry::Retry()
{
    pending_ = false;
    page_->load(home_);
}
