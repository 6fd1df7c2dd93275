// kestrune-skin preview PACKAGE pagedialog: the box of a question a web page asks the player, in
// its skinned frame: the text, a line to type when edit= gives its first value, the check box
// that stops a page's further dialogs, OK and (when cancel= names it) Cancel.

#include "preview/PreviewRegistry.h"

#include "dialogs/TFormPageDialog.h"

namespace {

std::unique_ptr<QWidget> Build(const PreviewRequest& request)
{
    const PreviewOptions& options = request.options;
    PageDialogContent content;
    content.caption = options.Text(QStringLiteral("caption"), QStringLiteral("127.0.0.1:8760"));
    content.text = options.Text(QStringLiteral("text"), QStringLiteral("确定要开始新游戏吗？"));
    content.okCaption = options.Text(QStringLiteral("ok"), QStringLiteral("确定"));
    content.cancelCaption = options.Text(QStringLiteral("cancel"), QString());
    content.edit = options.Has(QStringLiteral("edit"));
    content.editText = options.Text(QStringLiteral("edit"), QString());
    content.offerBlock = options.Flag(QStringLiteral("block"), false);
    return std::make_unique<TFormPageDialog>(request.skin, content);
}

const PreviewRegistration registration{{
    QStringLiteral("pagedialog"),
    {QStringLiteral("caption"), QStringLiteral("text"), QStringLiteral("ok"), QStringLiteral("cancel"),
     QStringLiteral("edit"), QStringLiteral("block")},
    QStringLiteral("caption=TEXT text=TEXT (\\n: a line break) ok=TEXT cancel=TEXT edit=TEXT block=0|1 "
                   "(WIDTH and HEIGHT ignored)"),
    false,
    &Build,
    nullptr,
}};

}  // namespace
