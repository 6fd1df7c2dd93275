// kestrune-skin preview PACKAGE label: a skinned one-line label with its border, alignment
// and shortening.

#include "preview/PreviewRegistry.h"

#include "skincontrols/TbsSkinLabel.h"

namespace {

std::unique_ptr<QWidget> Build(const PreviewRequest& request)
{
    const PreviewOptions& options = request.options;
    auto label = std::make_unique<TbsSkinLabel>();
    label->SetSkinData(request.skin);
    label->SetCaption(options.Text(QStringLiteral("caption"), QStringLiteral("Label")));
    const QString border = options.Choice(QStringLiteral("border"), QStringLiteral("frame"),
                                          {QStringLiteral("frame"), QStringLiteral("raised"),
                                           QStringLiteral("lowered"), QStringLiteral("none")});
    label->SetBorderStyle(border == u"frame"    ? bvFrame
                          : border == u"raised" ? bvRaised
                          : border == u"lowered" ? bvLowered
                                                 : bvNone);
    const QString align = options.Choice(QStringLiteral("align"), QStringLiteral("left"),
                                         {QStringLiteral("left"), QStringLiteral("right"), QStringLiteral("center")});
    label->SetAlignment(align == u"left" ? Qt::AlignLeft : align == u"right" ? Qt::AlignRight : Qt::AlignHCenter);
    label->SetEllipsType(options.Flag(QStringLiteral("ellipsis"), false) ? bsetEllips : bsetNoneEllips);
    return label;
}

const PreviewRegistration registration{{
    QStringLiteral("label"),
    {QStringLiteral("caption"), QStringLiteral("border"), QStringLiteral("align"), QStringLiteral("ellipsis")},
    QStringLiteral("caption=TEXT border=frame|raised|lowered|none align=left|right|center ellipsis=0|1"),
    true,
    &Build,
    nullptr,
}};

}  // namespace
