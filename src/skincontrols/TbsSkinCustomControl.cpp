#include "skincontrols/TbsSkinCustomControl.h"

#include "skin/TbsDataSkinCustomControl.h"
#include "skin/TbsSkinData.h"
#include "skinui/CellHeightFont.h"
#include "skinui/RegionBuilder.h"
#include "skinui/SkinColor.h"

#include <QPainter>
#include <QResizeEvent>

TbsSkinCustomControl::TbsSkinCustomControl(QWidget* parent)
    : TbsSkinControl(parent), defaultFont_(FontWithCellHeight(QStringLiteral("Arial"), 14)),
      defaultFontColor_(SystemColor(SkinColor::kWindowText))
{
}

void TbsSkinCustomControl::SetDefaultFont(const QFont& font)
{
    if (font == defaultFont_)
        return;
    defaultFont_ = font;
    update();
}

void TbsSkinCustomControl::SetDefaultFontColor(const QColor& color)
{
    if (color == defaultFontColor_)
        return;
    defaultFontColor_ = color;
    update();
}

void TbsSkinCustomControl::SetUseSkinFont(bool use)
{
    if (use == useSkinFont_)
        return;
    useSkinFont_ = use;
    update();
}

void TbsSkinCustomControl::SetUseSkinSize(bool use)
{
    if (use == useSkinSize_)
        return;
    useSkinSize_ = use;
    ChangeSkinData();
}

NinePieceGeometry TbsSkinCustomControl::CurrentGeometry() const
{
    return growth_.geometry.GrownTo(skinRect_.size(), size());
}

const TbsDataSkinCustomControl* TbsSkinCustomControl::FindSkinObject() const
{
    return SkinObject<TbsDataSkinCustomControl>();
}

void TbsSkinCustomControl::GetSkinData()
{
    TbsSkinControl::GetSkinData();
    const TbsDataSkinCustomControl* object = FindSkinObject();
    if (!object) {
        ForgetSkinObject();
        ClearSkinCopy();
        return;
    }
    const QImage* picture = SkinPicture(*SkinData(), object->pictureindex);
    const QImage* mask = SkinPicture(*SkinData(), object->maskpictureindex);
    picture_ = picture ? *picture : QImage();
    mask_ = mask ? *mask : QImage();
    skinRect_ = object->skinrect;
    growth_ = ControlGrowthOf(*object);
}

void TbsSkinCustomControl::ClearSkinCopy()
{
    picture_ = QImage();
    mask_ = QImage();
    skinRect_ = QRect();
    growth_ = ControlGrowth();
}

void TbsSkinCustomControl::ChangeSkinData()
{
    GetSkinData();
    if (SkinIndex() < 0) {
        if (defaultWidth_ > 0 || defaultHeight_ > 0)
            resize(defaultWidth_ > 0 ? defaultWidth_ : width(), defaultHeight_ > 0 ? defaultHeight_ : height());
    } else if (useSkinSize_) {
        resize(SizeUnderSkin(size()));
    }
    SetSkinRegion();
    update();
}

bool TbsSkinCustomControl::SkinsSize() const
{
    return useSkinSize_ || growth_.mode == TbsResizeMode::Both;
}

QSize TbsSkinCustomControl::SizeUnderSkin(const QSize& requested) const
{
    return growth_.SizeFor(requested, skinRect_);
}

QImage TbsSkinCustomControl::SkinImage(const QRect& source) const
{
    QImage image;
    if (!picture_.isNull())
        BuildResizedImage(image, picture_, source, growth_.geometry, growth_.options, growth_.stretchType, size());
    return image;
}

QImage TbsSkinCustomControl::StateImage(const QRect& source) const
{
    if (SkinsSize())
        return SkinImage(source);
    if (picture_.isNull() || source.isEmpty())
        return QImage();
    return picture_.copy(source).scaled(size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

QColor TbsSkinCustomControl::SkinFace() const
{
    return SkinColorToQColor(quint32(SkinData()->Colors().cbtnface));
}

void TbsSkinCustomControl::PaintSkinPicture(QPainter& painter, const QRect& source) const
{
    painter.fillRect(rect(), SkinFace());
    painter.drawImage(0, 0, StateImage(source));
}

void TbsSkinCustomControl::PaintSkinned(QPainter& painter)
{
    PaintSkinPicture(painter, skinRect_);
}

void TbsSkinCustomControl::SetSkinRegion()
{
    const QRect maskArea(QPoint(0, 0), mask_.size());
    if (SkinIndex() < 0 || !useSkinSize_ || mask_.isNull() || growth_.mode == TbsResizeMode::None
        || !maskArea.contains(skinRect_)) {
        clearMask();
        return;
    }
    // The mask has the picture's layout: the control's part lies under its skin rectangle.
    const QImage mask = mask_.copy(skinRect_);
    if (growth_.mode == TbsResizeMode::Fixed) {
        setMask(RegionFromMask(mask));
        return;
    }
    const std::optional<QRegion> region = BuildFramedRegion(mask, growth_.geometry, CurrentGeometry(), width());
    if (region)
        setMask(*region);
    else
        clearMask();
}

void TbsSkinCustomControl::resizeEvent(QResizeEvent* event)
{
    TbsSkinControl::resizeEvent(event);
    if (SkinIndex() >= 0 && useSkinSize_) {
        const QSize ruled = SizeUnderSkin(size());
        if (ruled != size()) {
            resize(ruled);
            return;
        }
    }
    SetSkinRegion();
}
