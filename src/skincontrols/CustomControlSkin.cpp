#include "skincontrols/CustomControlSkin.h"

#include "skin/TbsDataSkinCustomControl.h"
#include "skin/TbsSkinData.h"
#include "skinui/RegionBuilder.h"
#include "framework/DoubleSizePicture.h"
#include "skinui/SkinColor.h"

#include <QPainter>

CustomControlSkin CustomControlSkin::Read(const TbsSkinData& store, const TbsDataSkinCustomControl& object)
{
    CustomControlSkin skin;
    skin.valid = true;
    skin.picture = SkinPictureCopy(store, object.pictureindex);
    skin.doubleSize = store.DoubleSizePictures().Picture(object.pictureindex);
    skin.mask = SkinPictureCopy(store, object.maskpictureindex);
    skin.skinRect = object.skinrect;
    skin.growth = ControlGrowthOf(object);
    skin.face = SkinColorOf(store.Colors().cbtnface);
    return skin;
}

NinePieceGeometry CustomControlSkin::GeometryAt(const QSize& size) const
{
    return growth.geometry.GrownTo(skinRect.size(), size);
}

QImage CustomControlSkin::StateImage(const QRect& source, const QSize& size, bool useSkinSize, qreal ratio) const
{
    if (picture.isNull() || source.isEmpty())
        return QImage();
    const ScaledSkinPicture scaled{picture, doubleSize, ratio};
    QImage image;
    if (!useSkinSize && growth.mode != TbsResizeMode::Both) {
        const int scale = scaled.Scale();
        image = scaled.Source().copy(ScaledRect(source, scale)).scaled(size * scale, Qt::IgnoreAspectRatio,
                                                                       Qt::FastTransformation);
        scaled.Finish(image, size);
        return image;
    }
    BuildResizedImage(image, scaled, source, growth.geometry, growth.options, growth.stretchType, size);
    return image;
}

void CustomControlSkin::PaintPicture(QPainter& painter, const QRect& source, const QSize& size,
                                     bool useSkinSize) const
{
    painter.fillRect(QRect(QPoint(0, 0), size), face);
    painter.drawImage(0, 0, StateImage(source, size, useSkinSize, PaintingRatio(painter)));
}

std::optional<QRegion> CustomControlSkin::Region(const QSize& size, bool useSkinSize) const
{
    const QRect maskArea(QPoint(0, 0), mask.size());
    if (!valid || !useSkinSize || mask.isNull() || growth.mode == TbsResizeMode::None || !maskArea.contains(skinRect))
        return std::nullopt;
    // The mask has the picture's layout: the control's part lies under its skin rectangle.
    const QImage part = mask.copy(skinRect);
    if (growth.mode == TbsResizeMode::Fixed)
        return RegionFromMask(part);
    return BuildFramedRegion(part, growth.geometry, GeometryAt(size), size.width());
}
