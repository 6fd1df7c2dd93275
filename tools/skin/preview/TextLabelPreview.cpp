// kestrune-skin preview PACKAGE textlabel: multi-line text as a skinned text label draws it on
// a window of the skin's face colour (it has no background of its own).

#include "preview/PreviewBackdrop.h"
#include "preview/PreviewRegistry.h"

#include "skincontrols/TbsSkinTextLabel.h"

namespace {

std::unique_ptr<QWidget> Build(const PreviewRequest& request)
{
    const PreviewOptions& options = request.options;
    auto backdrop = std::make_unique<PreviewBackdrop>(request.skin);
    auto* label = new TbsSkinTextLabel(backdrop.get());
    label->SetAutoSize(false);
    label->SetSkinData(request.skin);
    label->SetWordWrap(options.Flag(QStringLiteral("wrap"), false));
    label->setEnabled(options.Flag(QStringLiteral("enabled"), true));
    QStringList lines = options.Text(QStringLiteral("text"), QStringLiteral("Text")).split(u'\n');
    label->SetLines(lines);
    return backdrop;
}

const PreviewRegistration registration{{
    QStringLiteral("textlabel"),
    {QStringLiteral("text"), QStringLiteral("wrap"), QStringLiteral("enabled")},
    QStringLiteral("text=TEXT (\\n: a line break) wrap=0|1 enabled=0|1"),
    true,
    &Build,
    nullptr,
}};

}  // namespace
