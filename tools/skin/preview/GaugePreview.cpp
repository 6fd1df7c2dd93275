// kestrune-skin preview PACKAGE gauge: a skinned progress bar at a value, optionally standing
// up, with a text and the percentage over it.

#include "preview/PreviewRegistry.h"

#include "skincontrols/TbsSkinGauge.h"

namespace {

constexpr int kLimit = 1000000;

std::unique_ptr<QWidget> Build(const PreviewRequest& request)
{
    const PreviewOptions& options = request.options;
    auto gauge = std::make_unique<TbsSkinGauge>();
    gauge->SetSkinData(request.skin);
    gauge->SetMinValue(options.Integer(QStringLiteral("min"), 0, -kLimit, kLimit));
    gauge->SetMaxValue(options.Integer(QStringLiteral("max"), 100, -kLimit, kLimit));
    gauge->SetValue(options.Integer(QStringLiteral("value"), 50, -kLimit, kLimit));
    gauge->SetVertical(options.Flag(QStringLiteral("vertical"), false));
    gauge->SetShowProgressText(options.Has(QStringLiteral("text")));
    gauge->SetProgressText(options.Text(QStringLiteral("text"), QString()));
    gauge->SetShowPercent(options.Flag(QStringLiteral("percent"), false));
    return gauge;
}

const PreviewRegistration registration{{
    QStringLiteral("gauge"),
    {QStringLiteral("min"), QStringLiteral("max"), QStringLiteral("value"), QStringLiteral("vertical"),
     QStringLiteral("text"), QStringLiteral("percent")},
    QStringLiteral("min=N max=N value=N vertical=0|1 text=TEXT percent=0|1"),
    true,
    &Build,
    nullptr,
}};

}  // namespace
