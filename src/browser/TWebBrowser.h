#pragma once

#include <QWebEngineView>

#include <functional>

class QWebEngineProfile;
class TWebPage;

// Browser events that answer the browser: one handler each, set by the owner.
using TBeforeNavigate2Event = std::function<void(QObject* Sender, QObject* pDisp, const QString& URL, int Flags,
                                                 const QString& TargetFrameName, const QByteArray& PostData,
                                                 const QString& Headers, bool* Cancel)>;
using TNewWindow2Event = std::function<void(QObject* Sender, QWebEnginePage** ppDisp, bool* Cancel)>;

// The embedded browser control: a web view whose page the client can steer and veto.
// Created inside its tab sheet, which it fills; destroying the sheet destroys it. Every
// browser shares the client's one persistent web profile.
class TWebBrowser : public QWebEngineView {
    Q_OBJECT
public:
    explicit TWebBrowser(QWidget* sheet);
    ~TWebBrowser() override;

    int Tag() const { return tag_; }
    void SetTag(int tag) { tag_ = tag; }

    // Silent: the engine shows the player nothing of its own accord. What a page asks of the
    // player (dialogs, files, permissions, sign-in) is asked all the same.
    bool Silent() const;
    void SetSilent(bool silent);

    // Starts loading URL; raises when URL is not a usable address.
    void Navigate(const QString& URL);
    void Refresh();
    // The object handed back to the engine so that a new window's page is shown here.
    QWebEnginePage* Application() const;

    // The client's web profile: named, with disk cache and persistent cookies under the
    // user's data and cache directories. Owned by the application object, so it outlives
    // every page that uses it.
    static QWebEngineProfile* SharedProfile();

    // Asked before every navigation, frames included; Cancel set to true stops it.
    TBeforeNavigate2Event OnBeforeNavigate2;
    // Asked for every new window; ppDisp receives the Application of the browser that shall
    // show it. Without a handler, or with Cancel set, the page opens no window.
    TNewWindow2Event OnNewWindow2;

Q_SIGNALS:
    void OnTitleChange(QObject* Sender, const QString& Text);

private:
    friend class TWebPage;
    bool BeforeNavigate(const QUrl& url);
    QWebEnginePage* NewWindow();

    TWebPage* page_;
    int tag_ = 0;
};
