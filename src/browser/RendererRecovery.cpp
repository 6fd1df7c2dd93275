#include "browser/RendererRecovery.h"

#include "browser/LocalPage.h"
#include "platform/Clock.h"

RendererRecovery::RendererRecovery(QWebEnginePage* page, Clock& clock) : QObject(page), page_(page), clock_(clock)
{
    connect(page, &QWebEnginePage::renderProcessTerminated, this,
            [this](QWebEnginePage::RenderProcessTerminationStatus status, int) {
                // Act in a later turn, outside the engine's notice of the ended process.
                QMetaObject::invokeMethod(this, [this, status] { Ended(status); }, Qt::QueuedConnection);
            });
}

void RendererRecovery::Ended(QWebEnginePage::RenderProcessTerminationStatus status)
{
    if (status == QWebEnginePage::NormalTerminationStatus)
        return;
    // Our own page lives at a data address: the link keeps pointing at what the tab showed.
    if (page_->url().scheme() != QLatin1String("data"))
        shownUrl_ = page_->url();
    const qint64 now = clock_.NowMs();
    const bool again = lastAbnormalEnd_ && now - *lastAbnormalEnd_ < RepeatWindowMs;
    lastAbnormalEnd_ = now;
    if (again)
        ShowStopped();
    else
        page_->triggerAction(QWebEnginePage::Reload);
}

void RendererRecovery::ShowStopped()
{
    LocalPage{QStringLiteral("页面已停止响应"), QStringLiteral("这个页面接连停止了响应，已不再自动重新加载。"),
              QStringLiteral("重新加载"), shownUrl_}
        .ShowIn(page_);
}
