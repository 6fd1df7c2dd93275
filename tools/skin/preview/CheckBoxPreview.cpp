// kestrune-skin preview PACKAGE checkbox: a skinned check box with its caption on a window of
// the skin's face colour (it has no background of its own), ticked or not, in one of its
// states: the pointer over it (hot), the left button held on it (down), or switched off.

#include "preview/PreviewBackdrop.h"
#include "preview/PreviewInput.h"
#include "preview/PreviewRegistry.h"

#include "skincontrols/TbsSkinCheckBox.h"

namespace {

const QString kState = QStringLiteral("state");

TbsSkinCheckBox& BoxOf(QWidget& built)
{
    return *built.findChild<TbsSkinCheckBox*>();
}

std::unique_ptr<QWidget> Build(const PreviewRequest& request)
{
    const PreviewOptions& options = request.options;
    auto backdrop = std::make_unique<PreviewBackdrop>(request.skin);
    auto* box = new TbsSkinCheckBox(backdrop.get());
    box->SetSkinData(request.skin);
    box->SetCaption(options.Text(QStringLiteral("caption"), QStringLiteral("阻止此页面显示更多对话框")));
    box->SetChecked(options.Flag(QStringLiteral("checked"), false));
    const QString state = options.Choice(kState, QStringLiteral("normal"),
                                         {QStringLiteral("normal"), QStringLiteral("hot"), QStringLiteral("down"),
                                          QStringLiteral("disabled")});
    box->setEnabled(state != u"disabled");
    return backdrop;
}

QWidget* Pose(QWidget& built, const PreviewRequest& request)
{
    TbsSkinCheckBox& box = BoxOf(built);
    const QString state = request.options.Text(kState, QStringLiteral("normal"));
    const QPoint centre = box.rect().center();
    box.clearFocus();
    if (state == u"hot" || state == u"down")
        PreviewInput::MoveTo(box, centre);
    else
        PreviewInput::Leave(box);
    if (state == u"down")
        PreviewInput::Press(box, centre);
    return nullptr;
}

const PreviewRegistration registration{{
    QStringLiteral("checkbox"),
    {kState, QStringLiteral("caption"), QStringLiteral("checked")},
    QStringLiteral("state=normal|hot|down|disabled caption=TEXT checked=0|1"),
    true,
    &Build,
    &Pose,
}};

}  // namespace
