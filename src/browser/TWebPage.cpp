#include "browser/TWebPage.h"

#include "browser/NavigationScheme.h"
#include "browser/TWebBrowser.h"

TWebPage::TWebPage(QWebEngineProfile* profile, TWebBrowser* browser)
    : QWebEnginePage(profile, browser), browser_(browser)
{
}

bool TWebPage::acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame)
{
    return MayNavigate(url, type, isMainFrame) && browser_->BeforeNavigate(url);
}

QWebEnginePage* TWebPage::createWindow(WebWindowType)
{
    return browser_->NewWindow();
}

void TWebPage::javaScriptAlert(const QUrl& securityOrigin, const QString& msg)
{
    if (!silent_)
        QWebEnginePage::javaScriptAlert(securityOrigin, msg);
}

bool TWebPage::javaScriptConfirm(const QUrl& securityOrigin, const QString& msg)
{
    return !silent_ && QWebEnginePage::javaScriptConfirm(securityOrigin, msg);
}

bool TWebPage::javaScriptPrompt(const QUrl& securityOrigin, const QString& msg, const QString& defaultValue,
                                QString* result)
{
    return !silent_ && QWebEnginePage::javaScriptPrompt(securityOrigin, msg, defaultValue, result);
}

QStringList TWebPage::chooseFiles(FileSelectionMode mode, const QStringList& oldFiles,
                                  const QStringList& acceptedMimeTypes)
{
    if (silent_)
        return {};
    return QWebEnginePage::chooseFiles(mode, oldFiles, acceptedMimeTypes);
}
