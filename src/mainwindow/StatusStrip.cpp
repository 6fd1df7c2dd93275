#include "mainwindow/StatusStrip.h"

#include "framework/TLabel.h"
#include "platform/Clock.h"

#include <QUrl>
#include <QWebEnginePage>
#include <chrono>

StatusStrip::StatusStrip(TLabel* label, const QString& portalHost, Clock& clock, QObject* parent)
    : QObject(parent), label_(label), portalHost_(portalHost), clock_(clock)
{
}

void StatusStrip::Watch(QWebEnginePage* page, bool mainTab)
{
    if (mainTab)
        main_ = page;
    connect(page, &QWebEnginePage::linkHovered, this, [this, page](const QString& url) {
        if (page == front_) {
            hoveredLink_ = url;
            Show();
        }
    });
    connect(page, &QWebEnginePage::loadStarted, this, [this, page] {
        loading_.insert(page, 0);
        Show();
    });
    connect(page, &QWebEnginePage::loadProgress, this, [this, page](int percent) {
        if (loading_.contains(page)) {
            loading_.insert(page, percent);
            Show();
        }
    });
    connect(page, &QWebEnginePage::loadFinished, this, [this, page] {
        loading_.remove(page);
        Show();
    });
    connect(page, &QWebEnginePage::urlChanged, this, &StatusStrip::Show);
    connect(page, &QObject::destroyed, this, [this, page] { loading_.remove(page); });
}

void StatusStrip::SetFront(QWebEnginePage* page)
{
    if (front_ == page)
        return;
    front_ = page;
    hoveredLink_.clear();  // the pointer is over another page now
    Show();
}

void StatusStrip::DownloadProgress(const QString& name, int percent)
{
    const QString share = percent >= 0 ? QStringLiteral(" %1%").arg(percent) : QString();
    SetNews(News::Running, QStringLiteral("正在下载 ") + name + share);
}

void StatusStrip::DownloadFinished(const QString& name)
{
    SetNews(News::Finished, QStringLiteral("下载完成: ") + name);
}

void StatusStrip::DownloadFailed(const QString& name)
{
    SetNews(News::Failed, QStringLiteral("下载失败: ") + name);
}

bool StatusStrip::ShowsFinishedDownload() const
{
    return showingFinished_;
}

void StatusStrip::SetNews(News kind, const QString& text)
{
    news_ = kind;
    newsText_ = text;
    const int number = ++newsNumber_;
    if (kind == News::Finished || kind == News::Failed)
        clock_.After(std::chrono::milliseconds(NewsMs), this, [this, number] {
            if (number == newsNumber_) {
                news_ = News::None;
                Show();
            }
        });
    Show();
}

void StatusStrip::Show()
{
    showingFinished_ = false;
    if (!hoveredLink_.isEmpty()) {
        label_->SetCaption(hoveredLink_);
    } else if (const auto loading = loading_.constFind(front_.data()); front_ && loading != loading_.cend()) {
        label_->SetCaption(QStringLiteral("正在载入… %1%").arg(*loading));
    } else if (news_ != News::None) {
        showingFinished_ = news_ == News::Finished;
        label_->SetCaption(newsText_);
    } else {
        label_->SetCaption(OffPortalHost());
    }
}

QString StatusStrip::OffPortalHost() const
{
    if (!front_ || front_ != main_)
        return {};
    const QUrl shown = main_->url();
    const bool web = shown.scheme() == u"http" || shown.scheme() == u"https";
    return web && shown.host() != portalHost_ ? shown.host() : QString();
}
