// kestrune-skin preview PACKAGE updown: the skinned arrows with a button under the pointer
// and one held down. They are drawn from the object the skin's tab strip names for its
// arrows, as the strip shows them ("hupdown" when the skin names none).

#include "preview/PreviewInput.h"
#include "preview/PreviewRegistry.h"

#include "skin/TbsDataSkinTabControl.h"
#include "skin/TbsSkinData.h"
#include "skincontrols/TbsSkinUpDown.h"

namespace {

const QStringList kButtons{QStringLiteral("-1"), QStringLiteral("0"), QStringLiteral("1")};

QString ArrowsName(const TbsSkinData* store)
{
    const int tab = store ? store->FindControlIndex(QStringLiteral("tab")) : -1;
    const auto* strip = tab < 0 ? nullptr : dynamic_cast<const TbsDataSkinTabControl*>(store->SkinControls()[size_t(tab)].get());
    return strip && !strip->updown.isEmpty() ? strip->updown : QStringLiteral("hupdown");
}

std::unique_ptr<QWidget> Build(const PreviewRequest& request)
{
    const PreviewOptions& options = request.options;
    auto arrows = std::make_unique<TbsSkinUpDown>();
    arrows->SetSkinDataName(ArrowsName(request.skin));
    arrows->SetSkinData(request.skin);
    const QString orientation = options.Choice(QStringLiteral("orientation"), QStringLiteral("horizontal"),
                                               {QStringLiteral("horizontal"), QStringLiteral("vertical")});
    arrows->SetOrientation(orientation == u"vertical" ? Qt::Vertical : Qt::Horizontal);
    options.Choice(QStringLiteral("hot"), QStringLiteral("-1"), kButtons);
    options.Choice(QStringLiteral("pressed"), QStringLiteral("-1"), kButtons);
    return arrows;
}

QWidget* Pose(QWidget& built, const PreviewRequest& request)
{
    auto& arrows = static_cast<TbsSkinUpDown&>(built);
    const int pressed = request.options.Choice(QStringLiteral("pressed"), QStringLiteral("-1"), kButtons).toInt();
    const int hot = request.options.Choice(QStringLiteral("hot"), QString::number(pressed), kButtons).toInt();
    const UpDownButtons buttons = arrows.Buttons();
    if (pressed >= 0) {
        PreviewInput::MoveTo(arrows, buttons.rects[pressed].center());
        PreviewInput::Press(arrows, buttons.rects[pressed].center());
    }
    // Off every button, the pointer still over the control or gone.
    if (hot >= 0)
        PreviewInput::MoveTo(arrows, buttons.rects[hot].center());
    else if (pressed >= 0)
        PreviewInput::MoveTo(arrows, QPoint(-1, -1));
    else
        PreviewInput::Leave(arrows);
    return nullptr;
}

const PreviewRegistration registration{{
    QStringLiteral("updown"),
    {QStringLiteral("orientation"), QStringLiteral("hot"), QStringLiteral("pressed")},
    QStringLiteral("orientation=horizontal|vertical hot=-1|0|1 pressed=-1|0|1"),
    true,
    &Build,
    &Pose,
}};

}  // namespace
