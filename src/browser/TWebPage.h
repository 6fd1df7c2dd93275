#pragma once

#include "browser/PageHost.h"

#include <QWebEnginePage>

#include <functional>

class TWebBrowser;

// The page behind a browser control: it refuses navigations to anything but web and the
// client's own pages (NavigationScheme), asks the browser's events before every other
// navigation (frames included) and for every new window, and hands what its scripts ask of the
// player (dialogs, files) to the window's hooks. Silent or not, a page's questions are asked.
class TWebPage : public QWebEnginePage {
    Q_OBJECT
public:
    TWebPage(QWebEngineProfile* profile, TWebBrowser* browser);

    bool Silent() const { return silent_; }
    void SetSilent(bool silent) { silent_ = silent; }

    // A script's dialog and the question before the page is left. Without a hook nobody is
    // asked: an alert returns, other questions are answered no, and the page may be left.
    std::function<ScriptDialogAnswer(const ScriptDialogRequest&)> OnScriptDialog;
    // A file input's chooser: the files chosen, none without a hook.
    std::function<QStringList(FileSelectionMode mode, const QStringList& acceptedMimeTypes)> OnChooseFiles;

    // The engine's words of the question before a page is left.
    static QString LeaveQuestionText();

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;
    QWebEnginePage* createWindow(WebWindowType type) override;
    void javaScriptAlert(const QUrl& securityOrigin, const QString& msg) override;
    bool javaScriptConfirm(const QUrl& securityOrigin, const QString& msg) override;
    bool javaScriptPrompt(const QUrl& securityOrigin, const QString& msg, const QString& defaultValue,
                          QString* result) override;
    QStringList chooseFiles(FileSelectionMode mode, const QStringList& oldFiles,
                            const QStringList& acceptedMimeTypes) override;

private:
    ScriptDialogAnswer Ask(const ScriptDialogRequest& request);

    TWebBrowser* browser_;
    bool silent_ = false;
};
