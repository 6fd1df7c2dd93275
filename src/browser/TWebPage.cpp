#include "browser/TWebPage.h"

#include "browser/NavigationScheme.h"
#include "browser/TWebBrowser.h"
#include "framework/TApplicationEvents.h"

#include <QCoreApplication>

TWebPage::TWebPage(QWebEngineProfile* profile, TWebBrowser* browser)
    : QWebEnginePage(profile, browser), browser_(browser)
{
}

QString TWebPage::LeaveQuestionText()
{
    // The engine asks the leave question as a confirm in these words, translated like ours.
    return QCoreApplication::translate(
        "QWebEnginePage", "Are you sure you want to leave this page? Changes that you made may not be saved.");
}

bool TWebPage::acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame)
{
    return MayNavigate(url, type, isMainFrame) && browser_->BeforeNavigate(url);
}

QWebEnginePage* TWebPage::createWindow(WebWindowType)
{
    return browser_->NewWindow();
}

ScriptDialogAnswer TWebPage::Ask(const ScriptDialogRequest& request)
{
    ScriptDialogAnswer answer;
    answer.accepted = request.kind == ScriptDialogRequest::Kind::Leave;
    if (OnScriptDialog)
        TApplicationEvents::Guard([&] { answer = OnScriptDialog(request); });
    return answer;
}

void TWebPage::javaScriptAlert(const QUrl& securityOrigin, const QString& msg)
{
    Ask({ScriptDialogRequest::Kind::Alert, securityOrigin, msg, QString()});
}

bool TWebPage::javaScriptConfirm(const QUrl& securityOrigin, const QString& msg)
{
    if (msg == LeaveQuestionText())
        return Ask({ScriptDialogRequest::Kind::Leave, securityOrigin, QString(), QString()}).accepted;
    return Ask({ScriptDialogRequest::Kind::Confirm, securityOrigin, msg, QString()}).accepted;
}

bool TWebPage::javaScriptPrompt(const QUrl& securityOrigin, const QString& msg, const QString& defaultValue,
                                QString* result)
{
    const ScriptDialogAnswer answer = Ask({ScriptDialogRequest::Kind::Prompt, securityOrigin, msg, defaultValue});
    if (answer.accepted)
        *result = answer.text;
    return answer.accepted;
}

QStringList TWebPage::chooseFiles(FileSelectionMode mode, const QStringList&, const QStringList& acceptedMimeTypes)
{
    QStringList chosen;
    if (OnChooseFiles)
        TApplicationEvents::Guard([&] { chosen = OnChooseFiles(mode, acceptedMimeTypes); });
    return chosen;
}
