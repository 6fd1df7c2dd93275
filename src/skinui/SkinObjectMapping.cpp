#include "skinui/SkinObjectMapping.h"

#include "skin/TbsDataSkinCustomControl.h"
#include "skin/TbsSkinData.h"

MiddleStretchType MiddleStretchTypeOf(TbsStretchType type)
{
    switch (type) {
    case TbsStretchType::Full: return MiddleStretchType::Whole;
    case TbsStretchType::Horz: return MiddleStretchType::TileHorizontally;
    case TbsStretchType::Vert: return MiddleStretchType::TileVertically;
    }
    return MiddleStretchType::Whole;
}

const QImage* SkinPicture(const TbsSkinData& store, int index)
{
    if (index < 0 || index >= store.Pictures().size() || store.Pictures()[index].isNull())
        return nullptr;
    return &store.Pictures()[index];
}

QImage SkinPictureCopy(const TbsSkinData& store, int index)
{
    const QImage* picture = SkinPicture(store, index);
    return picture ? *picture : QImage();
}

QSize ControlGrowth::SizeFor(const QSize& requested, const QRect& skinRect) const
{
    return SizeUnderRule(mode, skinRect.size(), requested);
}

ControlGrowth ControlGrowthOf(const TbsDataSkinControl& control)
{
    ControlGrowth growth;
    if (const auto* custom = dynamic_cast<const TbsDataSkinCustomControl*>(&control)) {
        growth.geometry = NinePieceGeometryOf(*custom);
        growth.options = NinePieceOptionsOf(*custom);
        growth.stretchType = MiddleStretchTypeOf(custom->stretchtype);
    }
    growth.mode = ResizeModeOf(control.skinrect, growth.geometry);
    return growth;
}

QImage BuildControlImage(const TbsSkinData& store, const TbsDataSkinControl& control, const QSize& requested)
{
    const QImage* picture = SkinPicture(store, control.pictureindex);
    const ControlGrowth growth = ControlGrowthOf(control);
    if (!picture || growth.mode == TbsResizeMode::None)
        return QImage();
    QImage image;
    BuildResizedImage(image, *picture, control.skinrect, growth.geometry, growth.options, growth.stretchType,
                      growth.SizeFor(requested, control.skinrect));
    return image;
}
