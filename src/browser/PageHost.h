#pragma once

#include <QString>
#include <QUrl>

#include <functional>
#include <optional>

class QWebEngineView;

// A question a page's script asks the player: an alert, a yes or no, a line to type, or
// whether the player leaves the page.
struct ScriptDialogRequest {
    enum class Kind { Alert, Confirm, Prompt, Leave };

    Kind kind = Kind::Alert;
    QUrl origin;          // the security origin of the frame that asks
    QString text;         // the page's words; empty for the leave question
    QString defaultText;  // a prompt's first value
    bool offerBlock = false;  // the page asked often: the player may stop its further dialogs
};

struct ScriptDialogAnswer {
    bool accepted = false;  // OK (leave, for the leave question)
    QString text;           // a prompt's typed line
    bool blockFurther = false;
};

// A server's or a proxy's demand for a user name and password.
struct SignInRequest {
    QString host;
    QString realm;
    bool proxy = false;
};

struct Credentials {
    QString user;
    QString password;
};

// The powers a page may ask the player for in a box.
enum class PermissionKind { Notifications, Microphone, Camera, MicrophoneAndCamera };

// The window that shows a page, as the page's requests reach the player through it: in boxes
// of the window's own look, modal to the window alone.
class PageHost {
public:
    virtual ~PageHost() = default;

    // Asks and returns the answer; the page waits meanwhile.
    virtual ScriptDialogAnswer AskScriptDialog(QWebEngineView* view, const ScriptDialogRequest& request) = 0;
    // Asks and returns the user name and password, none when the player declined.
    virtual std::optional<Credentials> AskSignIn(QWebEngineView* view, const SignInRequest& request) = 0;
    // Asks without waiting; answered gets the player's choice once, unless the request is
    // withdrawn first through the function returned, which closes the box.
    virtual std::function<void()> AskPermission(QWebEngineView* view, const QUrl& origin, PermissionKind kind,
                                                std::function<void(bool)> answered) = 0;
    // Brings the window and the view's tab to the front.
    virtual void BringForward(QWebEngineView* view) = 0;
};
