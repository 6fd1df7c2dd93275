// kestrune-skin preview PACKAGE button: a skinned button in one of its states, reached the
// way a player reaches it: the pointer over it (hot), the left button held on it (down), the
// keyboard focus on it (focused), or switched off (disabled).

#include "preview/PreviewInput.h"
#include "preview/PreviewRegistry.h"

#include "skincontrols/TbsSkinButton.h"

namespace {

const QString kState = QStringLiteral("state");

std::unique_ptr<QWidget> Build(const PreviewRequest& request)
{
    const PreviewOptions& options = request.options;
    auto button = std::make_unique<TbsSkinButton>();
    button->SetSkinData(request.skin);
    button->SetCaption(options.Text(QStringLiteral("caption"), QStringLiteral("Button")));
    button->SetDefault(options.Flag(QStringLiteral("default"), false));
    const QString state = options.Choice(kState, QStringLiteral("normal"),
                                         {QStringLiteral("normal"), QStringLiteral("hot"), QStringLiteral("down"),
                                          QStringLiteral("disabled"), QStringLiteral("focused")});
    button->setEnabled(state != u"disabled");
    return button;
}

QWidget* Pose(QWidget& built, const PreviewRequest& request)
{
    const QString state = request.options.Text(kState, QStringLiteral("normal"));
    const QPoint centre = built.rect().center();
    // The shown window hands its focus to the button; only the focused state keeps it.
    if (state == u"focused") {
        built.activateWindow();
        built.setFocus(Qt::TabFocusReason);
    } else {
        built.clearFocus();
    }
    if (state == u"hot") {
        PreviewInput::MoveTo(built, centre);
    } else if (state == u"down") {
        PreviewInput::MoveTo(built, centre);
        PreviewInput::Press(built, centre);
    } else {
        PreviewInput::Leave(built);  // wherever the pointer was when the window came up
    }
    return nullptr;
}

const PreviewRegistration registration{{
    QStringLiteral("button"),
    {kState, QStringLiteral("caption"), QStringLiteral("default")},
    QStringLiteral("state=normal|hot|down|disabled|focused caption=TEXT default=0|1"),
    true,
    &Build,
    &Pose,
}};

}  // namespace
