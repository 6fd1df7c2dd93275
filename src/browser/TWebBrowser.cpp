#include "browser/TWebBrowser.h"

#include "browser/PlainToolTips.h"
#include "browser/TWebPage.h"
#include "error/KestruneError.h"
#include "framework/TAnchors.h"
#include "framework/TApplicationEvents.h"

#include <QCoreApplication>
#include <QWebEngineProfile>
#include <QWebEngineSettings>

TWebBrowser::TWebBrowser(QWidget* sheet) : QWebEngineView(sheet), page_(new TWebPage(SharedProfile(), this))
{
    setPage(page_);
    setGeometry(sheet->rect());
    TAnchors::Set(this, Qt::LeftEdge | Qt::TopEdge | Qt::RightEdge | Qt::BottomEdge);
    new PlainToolTips(this);
    connect(this, &QWebEngineView::titleChanged, this, [this](const QString& title) {
        TApplicationEvents::Guard([&] { Q_EMIT OnTitleChange(this, title); });
    });
}

TWebBrowser::~TWebBrowser() = default;

bool TWebBrowser::Silent() const
{
    return page_->Silent();
}

void TWebBrowser::SetSilent(bool silent)
{
    page_->SetSilent(silent);
}

void TWebBrowser::Navigate(const QString& URL)
{
    const QUrl url(URL, QUrl::StrictMode);
    if (!url.isValid() || url.scheme().isEmpty())
        throw KestruneError(QStringLiteral("Cannot navigate to \"%1\": not a valid address").arg(URL));
    load(url);
}

void TWebBrowser::Refresh()
{
    reload();
}

QWebEnginePage* TWebBrowser::Application() const
{
    return page_;
}

QWebEngineProfile* TWebBrowser::SharedProfile()
{
    static QWebEngineProfile* profile = [] {
        auto* shared = new QWebEngineProfile(QStringLiteral("Kestrune"), QCoreApplication::instance());
        shared->setHttpCacheType(QWebEngineProfile::DiskHttpCache);
        shared->setPersistentCookiesPolicy(QWebEngineProfile::ForcePersistentCookies);
        // Only web addresses leave the client, and only through the client's own hand-off:
        // the engine opens no other scheme itself, and a file dropped on a page stays a drop.
        shared->settings()->setUnknownUrlSchemePolicy(QWebEngineSettings::DisallowUnknownUrlSchemes);
        shared->settings()->setAttribute(QWebEngineSettings::NavigateOnDropEnabled, false);
        return shared;
    }();
    return profile;
}

bool TWebBrowser::BeforeNavigate(const QUrl& url)
{
    bool cancel = false;
    TApplicationEvents::CallHook(OnBeforeNavigate2, this, page_, url.toString(QUrl::FullyEncoded), 0, QString(),
                                 QByteArray(), QString(), &cancel);
    return !cancel;
}

QWebEnginePage* TWebBrowser::NewWindow()
{
    QWebEnginePage* dispatch = nullptr;
    bool cancel = false;
    TApplicationEvents::CallHook(OnNewWindow2, this, &dispatch, &cancel);
    return cancel ? nullptr : dispatch;
}
