#include "browser/ErrorPages.h"

#include "browser/OriginText.h"

#include <QWebEngineCertificateError>
#include <QWebEngineLoadingInfo>
#include <QWebEnginePage>

ErrorPages::ErrorPages(QWebEnginePage* page, QList<LoadFailure> causes)
    : QObject(page), page_(page), causes_(std::move(causes))
{
    connect(page, &QWebEnginePage::certificateError, this, [](const QWebEngineCertificateError& error) {
        QWebEngineCertificateError refused = error;
        refused.rejectCertificate();
    });
    connect(page, &QWebEnginePage::loadingChanged, this, [this](const QWebEngineLoadingInfo& info) {
        // Act in a later turn, outside the engine's report of the load.
        QMetaObject::invokeMethod(this, [this, info] { LoadingChanged(info); }, Qt::QueuedConnection);
    });
}

LocalPage ErrorPages::PageFor(LoadFailure failure, const QUrl& url)
{
    const QString host = OriginText(url);
    const QString retry = QStringLiteral("重试");
    switch (failure) {
    case LoadFailure::Certificate:
        return {QStringLiteral("此网站的安全证书不可信"),
                QStringLiteral("%1 出示的安全证书无法验证，连接可能被他人冒充或窃听，已停止访问。").arg(host), retry, url};
    case LoadFailure::Tls:
        return {QStringLiteral("无法建立安全连接"),
                QStringLiteral("与 %1 的安全连接未能建立：对方的回应不是有效的加密连接。").arg(host), retry, url};
    case LoadFailure::Proxy:
        return {QStringLiteral("代理服务器出错"),
                QStringLiteral("经代理服务器访问 %1 失败，请检查代理设置。").arg(host), retry, url};
    default:
        return {QStringLiteral("无法打开此页面"), QStringLiteral("%1 暂时无法访问。").arg(host), retry, url};
    }
}

void ErrorPages::LoadingChanged(const QWebEngineLoadingInfo& info)
{
    if (info.status() != QWebEngineLoadingInfo::LoadFailedStatus || info.url().scheme() == u"data")
        return;
    const LoadFailure failure = LoadFailureOf(info.errorDomain(), info.errorCode());
    if (causes_.contains(failure))
        PageFor(failure, info.url()).ShowIn(page_);
}
