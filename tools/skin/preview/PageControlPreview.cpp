// kestrune-skin preview PACKAGE pagecontrol: a skinned page control with captioned tabs
// "Tab 0", "Tab 1", ..., the active one chosen by a click on its tab, the hot one by the
// pointer over it; the scroll arrows appear when the tabs do not fit.

#include "preview/PreviewInput.h"
#include "preview/PreviewRegistry.h"

#include "skincontrols/TbsSkinPageControl.h"
#include "skincontrols/TbsSkinTabSheet.h"

namespace {

constexpr int kMaxTabs = 64;

std::unique_ptr<QWidget> Build(const PreviewRequest& request)
{
    const PreviewOptions& options = request.options;
    const int tabs = options.Integer(QStringLiteral("tabs"), 3, 0, kMaxTabs);
    auto control = std::make_unique<TbsSkinPageControl>();
    control->SetSkinData(request.skin);
    control->SetTabWidth(qint16(options.Integer(QStringLiteral("tabwidth"), 0, 0, 1000)));
    control->SetTabHeight(qint16(options.Integer(QStringLiteral("tabheight"), 0, 0, 1000)));
    control->SetTabsOffset(options.Integer(QStringLiteral("offset"), 0, 0, 10000));
    for (int i = 0; i < tabs; ++i) {
        auto* sheet = new TbsSkinTabSheet(control.get());
        sheet->SetCaption(QStringLiteral("Tab %1").arg(i));
        sheet->SetPageControl(control.get());
    }
    // Read now, so that a bad value is refused before anything is shown.
    options.Integer(QStringLiteral("active"), 0, 0, std::max(0, tabs - 1));
    options.Integer(QStringLiteral("hot"), -1, -1, tabs - 1);
    return control;
}

QWidget* Pose(QWidget& built, const PreviewRequest& request)
{
    auto& control = static_cast<TbsSkinPageControl&>(built);
    const int active = request.options.Integer(QStringLiteral("active"), 0, 0, kMaxTabs);
    const int hot = request.options.Integer(QStringLiteral("hot"), -1, -1, kMaxTabs);
    if (control.PageCount() > 0)
        PreviewInput::Click(control, control.TabRect(active).center());
    if (hot >= 0)
        PreviewInput::MoveTo(control, control.TabRect(hot).center());
    else
        PreviewInput::Leave(control);
    return nullptr;
}

const PreviewRegistration registration{{
    QStringLiteral("pagecontrol"),
    {QStringLiteral("tabs"), QStringLiteral("active"), QStringLiteral("hot"), QStringLiteral("tabwidth"),
     QStringLiteral("tabheight"), QStringLiteral("offset")},
    QStringLiteral("tabs=N active=I hot=I tabwidth=N tabheight=N offset=N"),
    true,
    &Build,
    &Pose,
}};

}  // namespace
