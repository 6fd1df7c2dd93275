#pragma once

#include "browser/PageHost.h"
#include "dialogs/TFormPageDialog.h"

#include <functional>

class QWidget;
class TbsSkinData;
class WaitingDialogs;

// The main window's answer to its pages: every question a page asks the player is a box in the
// window's skin, modal to the window alone and captioned with the asking site, waiting among
// the window's other dialogs (so the tray can still end the client while one is up).
class PageBoxes : public PageHost {
public:
    // showTab brings the tab of a view to the front of the window's strip.
    PageBoxes(QWidget* window, TbsSkinData* skinData, WaitingDialogs& waiting,
              std::function<void(QWebEngineView*)> showTab);

    ScriptDialogAnswer AskScriptDialog(QWebEngineView* view, const ScriptDialogRequest& request) override;
    std::optional<Credentials> AskSignIn(QWebEngineView* view, const SignInRequest& request) override;
    std::function<void()> AskPermission(QWebEngineView* view, const QUrl& origin, PermissionKind kind,
                                        std::function<void(bool)> answered) override;
    void BringForward(QWebEngineView* view) override;

    // What the boxes say.
    static PageDialogContent ScriptContent(const ScriptDialogRequest& request);
    static PageDialogContent PermissionContent(const QUrl& origin, PermissionKind kind);

private:
    QWidget* window_;
    TbsSkinData* skinData_;
    WaitingDialogs& waiting_;
    std::function<void(QWebEngineView*)> showTab_;
};
