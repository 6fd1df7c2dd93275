// kestrune-skin preview PACKAGE msgbox: the confirmation dialog in its skinned frame, set up
// with a text, a caption and a mode as the client sets it up before asking.

#include "preview/PreviewRegistry.h"

#include "dialogs/TFormClearCache.h"
#include "dialogs/TFormMsgBox.h"

namespace {

std::unique_ptr<QWidget> Build(const PreviewRequest& request)
{
    const PreviewOptions& options = request.options;
    auto box = std::make_unique<TFormMsgBox>(request.skin);
    SetupMsgBox(box.get(),
                options.Text(QStringLiteral("text"), TFormClearCache::ConfirmationText()),
                options.Text(QStringLiteral("caption"), TFormClearCache::ConfirmationCaption()),
                options.Choice(QStringLiteral("mode"), QStringLiteral("4"), {QStringLiteral("0"), QStringLiteral("4")})
                    .toInt());
    return box;
}

const PreviewRegistration registration{{
    QStringLiteral("msgbox"),
    {QStringLiteral("text"), QStringLiteral("caption"), QStringLiteral("mode")},
    QStringLiteral("text=TEXT (\\n: a line break) caption=TEXT mode=0|4 (WIDTH and HEIGHT ignored)"),
    false,
    &Build,
    nullptr,
}};

}  // namespace
