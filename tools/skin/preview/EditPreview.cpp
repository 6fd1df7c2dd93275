// kestrune-skin preview PACKAGE edit: a skinned single-line edit with its text, in one of its
// states, reached the way a player reaches it: the pointer over it (hot), the keyboard in it
// (focused), or switched off (disabled).

#include "preview/PreviewInput.h"
#include "preview/PreviewRegistry.h"

#include "skincontrols/TbsSkinEdit.h"

namespace {

const QString kState = QStringLiteral("state");

std::unique_ptr<QWidget> Build(const PreviewRequest& request)
{
    const PreviewOptions& options = request.options;
    auto edit = std::make_unique<TbsSkinEdit>();
    edit->SetSkinData(request.skin);
    edit->SetText(options.Text(QStringLiteral("text"), QStringLiteral("玩家一号")));
    edit->SetPasswordMode(options.Flag(QStringLiteral("password"), false));
    const QString state = options.Choice(kState, QStringLiteral("normal"),
                                         {QStringLiteral("normal"), QStringLiteral("hot"), QStringLiteral("focused"),
                                          QStringLiteral("disabled")});
    edit->setEnabled(state != u"disabled");
    return edit;
}

QWidget* Pose(QWidget& built, const PreviewRequest& request)
{
    const QString state = request.options.Text(kState, QStringLiteral("normal"));
    if (state == u"focused") {
        built.activateWindow();
        built.setFocus(Qt::TabFocusReason);
    } else {
        built.clearFocus();
    }
    if (state == u"hot")
        PreviewInput::MoveTo(built, built.rect().center());
    else
        PreviewInput::Leave(built);
    return nullptr;
}

const PreviewRegistration registration{{
    QStringLiteral("edit"),
    {kState, QStringLiteral("text"), QStringLiteral("password")},
    QStringLiteral("state=normal|hot|focused|disabled text=TEXT password=0|1"),
    true,
    &Build,
    &Pose,
}};

}  // namespace
