#include "mainwindow/PageBoxes.h"

#include "browser/OriginText.h"
#include "dialogs/TFormSignIn.h"
#include "dialogs/WaitingDialogs.h"

#include <QPointer>
#include <QWidget>

#include <memory>

PageBoxes::PageBoxes(QWidget* window, TbsSkinData* skinData, WaitingDialogs& waiting,
                     std::function<void(QWebEngineView*)> showTab)
    : window_(window), skinData_(skinData), waiting_(waiting), showTab_(std::move(showTab))
{
}

PageDialogContent PageBoxes::ScriptContent(const ScriptDialogRequest& request)
{
    PageDialogContent content;
    content.caption = OriginText(request.origin);
    content.text = request.text;
    content.offerBlock = request.offerBlock;
    switch (request.kind) {
    case ScriptDialogRequest::Kind::Alert:
        break;
    case ScriptDialogRequest::Kind::Confirm:
        content.cancelCaption = QStringLiteral("取消");
        break;
    case ScriptDialogRequest::Kind::Prompt:
        content.cancelCaption = QStringLiteral("取消");
        content.edit = true;
        content.editText = request.defaultText;
        break;
    case ScriptDialogRequest::Kind::Leave:
        content.text = QStringLiteral("要离开此页面吗？\n您所做的更改可能不会保存。");
        content.okCaption = QStringLiteral("离开");
        content.cancelCaption = QStringLiteral("留下");
        break;
    }
    return content;
}

PageDialogContent PageBoxes::PermissionContent(const QUrl& origin, PermissionKind kind)
{
    const QString host = OriginText(origin);
    PageDialogContent content;
    content.caption = host;
    content.okCaption = QStringLiteral("允许");
    content.cancelCaption = QStringLiteral("拒绝");
    switch (kind) {
    case PermissionKind::Notifications:
        content.text = QStringLiteral("允许 %1 显示通知吗？").arg(host);
        break;
    case PermissionKind::Microphone:
        content.text = QStringLiteral("允许 %1 使用您的麦克风吗？").arg(host);
        break;
    case PermissionKind::Camera:
        content.text = QStringLiteral("允许 %1 使用您的摄像头吗？").arg(host);
        break;
    case PermissionKind::MicrophoneAndCamera:
        content.text = QStringLiteral("允许 %1 使用您的麦克风和摄像头吗？").arg(host);
        break;
    }
    return content;
}

ScriptDialogAnswer PageBoxes::AskScriptDialog(QWebEngineView*, const ScriptDialogRequest& request)
{
    TFormPageDialog box(skinData_, ScriptContent(request), window_);
    ScriptDialogAnswer answer;
    answer.accepted = waiting_.Exec(box) == 1;
    answer.text = box.Value();
    answer.blockFurther = box.BlockChecked();
    return answer;
}

std::optional<Credentials> PageBoxes::AskSignIn(QWebEngineView*, const SignInRequest& request)
{
    TFormSignIn box(skinData_, {request.host, request.realm, request.proxy}, window_);
    if (waiting_.Exec(box) != 1)
        return std::nullopt;
    return Credentials{box.User(), box.Password()};
}

std::function<void()> PageBoxes::AskPermission(QWebEngineView*, const QUrl& origin, PermissionKind kind,
                                               std::function<void(bool)> answered)
{
    if (waiting_.Ending()) {
        answered(false);
        return {};
    }
    auto* box = new TFormPageDialog(skinData_, PermissionContent(origin, kind), window_);
    box->setAttribute(Qt::WA_DeleteOnClose);
    auto withdrawn = std::make_shared<bool>(false);
    waiting_.Open(*box, [withdrawn, answered = std::move(answered)](int result) {
        if (!*withdrawn)
            answered(result == 1);
    });
    return [withdrawn, box = QPointer<TFormPageDialog>(box)] {
        *withdrawn = true;
        if (box)
            box->reject();
    };
}

void PageBoxes::BringForward(QWebEngineView* view)
{
    window_->setWindowState(window_->windowState() & ~Qt::WindowMinimized);
    window_->show();
    window_->raise();
    window_->activateWindow();
    showTab_(view);
}
