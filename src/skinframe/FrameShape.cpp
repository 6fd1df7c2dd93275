#include "skinframe/FrameShape.h"

#include "skin/TbsSkinData.h"
#include "skinframe/FrameObjectLayout.h"
#include "skinframe/FramePainting.h"
#include "skinui/RegionBuilder.h"

#include <QApplication>
#include <QStyle>

namespace {

// The small icon a system-menu button shows the form's icon at.
QSize SmallIconSize()
{
    const int side = QApplication::style()->pixelMetric(QStyle::PM_SmallIconSize);
    return QSize(side, side);
}

}  // namespace

void FrameShape::SetFrameless(bool framed, bool frameless)
{
    if (!framed)
        return;
    Qt::WindowFlags wanted = form_->windowFlags();
    wanted.setFlag(Qt::FramelessWindowHint, frameless);
    if (wanted == form_->windowFlags())
        return;
    const bool visible = form_->isVisible();
    form_->setWindowFlags(wanted);
    if (visible)
        form_->show();
}

void FrameShape::Clear(bool keepRegion)
{
    strips_.reset();
    if (!keepRegion)
        form_->clearMask();
    masked_ = false;
    form_->setContentsMargins(0, 0, 0, 0);
    geometry_ = FrameGeometry();
    geometry_.form = form_->size();
    geometry_.grown.clRect = form_->rect();
}

void FrameShape::Update(const TbsSkinData* skin, TFormBorderStyle style, FrameObjectList& objects, bool showIcon)
{
    strips_.reset();
    geometry_ = skin ? FrameGeometry::OfSkin(skin->FormInfo(), skin->FramePicture().size(), form_->size())
                     : FrameGeometry::OfDefault(style, form_->size());
    form_->setContentsMargins(geometry_.Borders());
    PositionObjects(objects, skin, showIcon);
    UpdateRegion(skin);
}

void FrameShape::PositionObjects(FrameObjectList& objects, bool skinned, bool showIcon) const
{
    for (TbsActiveSkinObject& object : objects)
        object.ObjectRect = skinned ? GrownObjectRect(object.SkinRect, geometry_) : object.SkinRect;
    // The caption buttons in layout order, then the custom objects.
    const TbsSkinCommand order[] = {TbsSkinCommand::Close,  TbsSkinCommand::Maximize,       TbsSkinCommand::Minimize,
                                    TbsSkinCommand::RollUp, TbsSkinCommand::MinimizeToTray, TbsSkinCommand::Default};
    std::vector<std::pair<size_t, FrameButtonSlot>> slots;
    for (const TbsSkinCommand command : order)
        for (size_t i = 0; i < objects.size(); ++i)
            if (objects[i].Kind == FrameObjectKind::StdButton && objects[i].Command == command)
                slots.push_back({i, {objects[i].SkinRect.size(), objects[i].Visible, {}, false}});
    const int menuIndex = FindFrameObject(objects, FrameObjectKind::StdButton, TbsSkinCommand::SysMenu);
    FrameButtonSlot menuSlot;
    if (menuIndex >= 0) {
        const TbsActiveSkinObject& menu = objects[size_t(menuIndex)];
        const bool icon = showIcon && menu.SkinRectInAPicture && !form_->windowIcon().isNull();
        menuSlot = {icon ? SmallIconSize() : menu.SkinRect.size(), menu.Visible, {}, false};
    }
    const int captionIndex = FindFrameObject(objects, FrameObjectKind::Caption);
    FrameButtonLayout layout;
    for (auto& entry : slots)
        layout.buttons.push_back(&entry.second);
    layout.systemMenu = menuIndex >= 0 ? &menuSlot : nullptr;
    layout.caption = captionIndex >= 0 ? &objects[size_t(captionIndex)].ObjectRect : nullptr;
    LayOutFrameButtons(geometry_, layout);
    for (auto& [index, slot] : slots)
        if (slot.placed)
            objects[index].ObjectRect = slot.rect;
    if (menuIndex >= 0 && menuSlot.placed)
        objects[size_t(menuIndex)].ObjectRect = menuSlot.rect;
}

void FrameShape::UpdateRegion(const TbsSkinData* skin)
{
    masked_ = false;
    if (!skin || skin->FrameMask().isNull()) {
        form_->clearMask();
        return;
    }
    const TbsDataSkinFormInfo& info = skin->FormInfo();
    NinePieceGeometry maskGeometry = geometry_.skin;
    maskGeometry.clRect = info.maskrectarea;
    NinePieceGeometry grown = geometry_.grown;
    grown.clRect = geometry_.maskRect;
    const std::optional<QRegion> region =
        BuildFramedRegion(skin->FrameMask(), maskGeometry, grown, geometry_.form.width(), &maskStrips_);
    if (!region) {
        form_->clearMask();
        return;
    }
    masked_ = true;
    form_->setMask(*region);
}

const FrameStripImages& FrameShape::Strips(const TbsSkinData& skin, bool formActive, qreal ratio)
{
    // The window may move to a screen of another ratio.
    if (!strips_ || stripsRatio_ != ratio) {
        strips_ = BuildFormFrameStrips(skin, geometry_, formActive, ratio);
        stripsRatio_ = ratio;
    }
    return *strips_;
}

int FrameShape::HitTest(const QPoint& point, const FrameObjectList& objects, FrameHitState state) const
{
    FrameHitInput in;
    in.geometry = &geometry_;
    in.maskStrips = MaskStrips();
    for (const TbsActiveSkinObject& object : objects)
        if (object.Kind == FrameObjectKind::Caption && object.Visible)
            in.captionObjects << object.ObjectRect;
    in.state = state;
    return FrameHitTestAt(point, in);
}
