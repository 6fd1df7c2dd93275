#pragma once

#include <QWebEnginePage>

class TWebBrowser;

// The page behind a browser control: it refuses navigations to anything but web and the
// client's own pages (NavigationScheme), asks the browser's events before every other
// navigation (frames included) and for every new window, and keeps quiet while the browser is
// Silent.
class TWebPage : public QWebEnginePage {
    Q_OBJECT
public:
    TWebPage(QWebEngineProfile* profile, TWebBrowser* browser);

    bool Silent() const { return silent_; }
    void SetSilent(bool silent) { silent_ = silent; }

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
    TWebBrowser* browser_;
    bool silent_ = false;
};
