#include "skinui/SkinResizeMode.h"

#include "skinui/PiecePainter.h"
#include "skinui/PieceStripImage.h"

TbsResizeMode ResizeModeOf(const QRect& skinRect, const NinePieceGeometry& geometry)
{
    if (skinRect.isEmpty())
        return TbsResizeMode::None;
    if (geometry.rb.x() != 0 && geometry.rb.y() != 0)
        return TbsResizeMode::Both;
    if (!geometry.rt.isNull())
        return TbsResizeMode::Horizontal;
    if (!geometry.lb.isNull())
        return TbsResizeMode::Vertical;
    return TbsResizeMode::Fixed;
}

QSize SizeUnderRule(TbsResizeMode mode, const QSize& skinSize, const QSize& requested)
{
    switch (mode) {
    case TbsResizeMode::Fixed: return skinSize;
    case TbsResizeMode::Horizontal: return QSize(requested.width(), skinSize.height());
    case TbsResizeMode::Vertical: return QSize(skinSize.width(), requested.height());
    case TbsResizeMode::Both:
    case TbsResizeMode::None: break;
    }
    return requested;
}

void BuildResizedImage(QImage& destination, const QImage& picture, const QRect& skinRect,
                       const NinePieceGeometry& geometry, NinePieceOptions options,
                       MiddleStretchType stretchType, const QSize& size)
{
    const bool stretchMiddle = options.testFlag(NinePieceOption::StretchMiddle);
    const NinePieceGeometry& g = geometry;
    switch (ResizeModeOf(skinRect, geometry)) {
    case TbsResizeMode::None:
        destination = QImage();
        return;
    case TbsResizeMode::Fixed: {
        ResetDestination(destination, picture, skinRect.width(), skinRect.height());
        if (!destination.isNull())
            PiecePainter(destination, picture).Copy(skinRect, QPoint(0, 0));
        return;
    }
    case TbsResizeMode::Horizontal:
        BuildHorizontalPieceImage(g.lt.x(), skinRect.width() - g.rt.x(), destination, picture,
                                  skinRect, size.width(), stretchMiddle);
        return;
    case TbsResizeMode::Vertical:
        BuildVerticalPieceImage(g.lt.y(), skinRect.height() - g.lb.y(), destination, picture,
                                skinRect, size.height(), stretchMiddle);
        return;
    case TbsResizeMode::Both:
        BuildNinePieceImage(destination, picture, skinRect, g, g.GrownTo(skinRect.size(), size),
                            size, options | NinePieceOption::DrawClient, stretchType);
        return;
    }
}

void BuildResizedImage(QImage& destination, const ScaledSkinPicture& picture, const QRect& skinRect,
                       const NinePieceGeometry& geometry, NinePieceOptions options,
                       MiddleStretchType stretchType, const QSize& size)
{
    const int scale = picture.Scale();
    BuildResizedImage(destination, picture.Source(), ScaledRect(skinRect, scale), geometry.Scaled(scale), options,
                      stretchType, size * scale);
    picture.Finish(destination, destination.size() / scale);
}
