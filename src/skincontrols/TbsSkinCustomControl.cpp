#include "skincontrols/TbsSkinCustomControl.h"

#include "skin/TbsDataSkinCustomControl.h"
#include "skin/TbsSkinData.h"
#include "skinui/CellHeightFont.h"
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
    SkinSettingChanged();
}

void TbsSkinCustomControl::SetUseSkinSize(bool use)
{
    if (use == useSkinSize_)
        return;
    useSkinSize_ = use;
    SkinSettingChanged();
}

const TbsDataSkinCustomControl* TbsSkinCustomControl::FindSkinObject() const
{
    return SkinObject<TbsDataSkinCustomControl>();
}

void TbsSkinCustomControl::GetSkinData()
{
    TbsSkinControl::GetSkinData();
    const TbsDataSkinCustomControl* object = SkinIndex() >= 0 ? FindSkinObject() : nullptr;
    if (!object) {
        ForgetSkinData();
        return;
    }
    custom_ = CustomControlSkin::Read(*SkinData(), *object);
}

void TbsSkinCustomControl::ForgetSkinData()
{
    TbsSkinControl::ForgetSkinData();
    custom_ = CustomControlSkin();
    clearMask();
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

void TbsSkinCustomControl::PaintSkinned(QPainter& painter)
{
    custom_.PaintPicture(painter, custom_.skinRect, size(), useSkinSize_);
}

void TbsSkinCustomControl::SetSkinRegion()
{
    if (const std::optional<QRegion> region = custom_.Region(size(), useSkinSize_))
        setMask(*region);
    else
        clearMask();
}

void TbsSkinCustomControl::resizeEvent(QResizeEvent* event)
{
    TbsSkinControl::resizeEvent(event);
    if (custom_.valid && useSkinSize_) {
        const QSize ruled = SizeUnderSkin(size());
        if (ruled != size()) {
            resize(ruled);
            return;
        }
    }
    SetSkinRegion();
}
