#include "skinframe/TbsActiveSkinObject.h"

#include "skin/TbsDataSkinObject.h"
#include "skin/TbsSkinData.h"
#include "skinframe/TbsFrameObjectHost.h"
#include "skinui/SkinObjectMapping.h"
#include "skinui/TbsEffectBmp.h"

#include <QPainter>

#include <algorithm>

namespace {

constexpr double kMorphStep = 0.2;

QImage PictureAt(const TbsSkinData& store, int index)
{
    const QImage* picture = SkinPicture(store, index);
    return picture ? *picture : QImage();
}

QImage Cut(const QImage& from, const QRect& rect, const QSize& size)
{
    return from.copy(rect).scaled(size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

}  // namespace

TbsActiveSkinObject::TbsActiveSkinObject(TbsFrameObjectHost& host, const TbsDataSkinObject& data,
                                         const TbsSkinData& store)
    : Name(data.ObjectName),
      Hint(data.hint),
      SkinRect(data.skinrect),
      ActiveSkinRect(data.activeskinrect),
      InActiveSkinRect(data.inactiveskinrect),
      SkinRectInAPicture(data.skinrectinapicture),
      Picture(PictureAt(store, data.activepictureindex)),
      MaskPicture(PictureAt(store, data.activemaskpictureindex)),
      Morphing(data.morphing && store.EnableSkinEffects()),
      GlowPicture(PictureAt(store, data.glowlayerpictureindex)),
      GlowMask(PictureAt(store, data.glowlayermaskpictureindex)),
      GlowOffset(data.glowlayeroffsetx, data.glowlayeroffsety),
      GlowAlpha(data.glowlayeralphablendvalue),
      ObjectRect(data.skinrect),
      host_(host)
{
}

TbsActiveSkinObject::TbsActiveSkinObject(TbsFrameObjectHost& host, const QString& name) : Name(name), host_(host)
{
}

TbsActiveSkinObject::~TbsActiveSkinObject() = default;

bool TbsActiveSkinObject::PointTest(const QPoint& relative) const
{
    if (MaskPicture.isNull())
        return true;
    if (!MaskPicture.valid(relative))
        return false;
    const QRgb pixel = MaskPicture.pixel(relative);
    return qRed(pixel) + qGreen(pixel) + qBlue(pixel) == 0;
}

void TbsActiveSkinObject::ShowGlow()
{
    if (!GlowPicture.isNull())
        host_.ShowGlow(*this);
}

void TbsActiveSkinObject::HideGlow()
{
    host_.HideGlow();
}

bool TbsActiveSkinObject::MorphRunning() const
{
    return Morphing && (MouseIn ? morph_ < 1 : morph_ > 0);
}

bool TbsActiveSkinObject::MorphStep()
{
    if (!MorphRunning())
        return false;
    morph_ = std::clamp(morph_ + (MouseIn ? kMorphStep : -kMorphStep), 0.0, 1.0);
    host_.RepaintObject(*this);
    return MorphRunning();
}

ObjectLooks TbsActiveSkinObject::Looks(const FrameObjectPaint&) const
{
    return {SkinRect, ActiveSkinRect, InActiveSkinRect, {}, {}};
}

ObjectLookState TbsActiveSkinObject::LookState(const FrameObjectPaint& paint) const
{
    ObjectLookState state;
    state.setFlag(ObjectLookFlag::FormActive, paint.formActive);
    state.setFlag(ObjectLookFlag::Enabled, Enabled);
    state.setFlag(ObjectLookFlag::Hot, MouseIn);
    return state;
}

bool TbsActiveSkinObject::FromOwnPicture(ObjectLookKind kind) const
{
    if (kind == ObjectLookKind::Normal)
        return SkinRectInAPicture;
    return !Picture.isNull();
}

void TbsActiveSkinObject::DrawLook(QPainter& painter, const FrameObjectPaint& paint, ObjectLookKind kind) const
{
    const QRect rect = LookRect(Looks(paint), kind);
    const QImage* from = FromOwnPicture(kind) ? &Picture : paint.framePicture;
    if (!from || from->isNull() || rect.isEmpty() || ObjectRect.isEmpty())
        return;
    painter.drawImage(ObjectRect, *from, rect);
}

void TbsActiveSkinObject::Draw(QPainter& painter, const FrameObjectPaint& paint) const
{
    const ObjectLooks looks = Looks(paint);
    ObjectLookKind kind = PickObjectLook(looks, LookState(paint));
    // A morphing object shows how far it has come from its normal towards its hot look.
    if (Morphing && !looks.hot.isEmpty() && (kind == ObjectLookKind::Hot || kind == ObjectLookKind::Normal)) {
        if (morph_ > 0 && morph_ < 1) {
            DrawBlend(painter, paint, looks);
            return;
        }
        kind = morph_ >= 1 ? ObjectLookKind::Hot : ObjectLookKind::Normal;
    }
    // The normal look of a part of the frame picture is already on the frame.
    const bool onFrame = kind == ObjectLookKind::Normal && !FromOwnPicture(kind) && looks.normal == SkinRect;
    if (!onFrame)
        DrawLook(painter, paint, kind);
}

void TbsActiveSkinObject::DrawBlend(QPainter& painter, const FrameObjectPaint& paint, const ObjectLooks& looks) const
{
    const QImage* normalFrom = FromOwnPicture(ObjectLookKind::Normal) ? &Picture : paint.framePicture;
    const QImage* hotFrom = FromOwnPicture(ObjectLookKind::Hot) ? &Picture : paint.framePicture;
    if (!normalFrom || !hotFrom || ObjectRect.isEmpty())
        return;
    TbsEffectBmp normal(Cut(*normalFrom, looks.normal, ObjectRect.size()));
    normal.Blend(TbsEffectBmp(Cut(*hotFrom, looks.hot, ObjectRect.size())), morph_);
    normal.Draw(painter, ObjectRect.topLeft());
}

void TbsActiveSkinObject::DblClick() {}

void TbsActiveSkinObject::MouseDown(Qt::MouseButton button, const QPoint& at)
{
    host_.ObjectMouse(FrameObjectMouse::Down, Name, button, at);
}

void TbsActiveSkinObject::MouseUp(Qt::MouseButton button, const QPoint& at)
{
    if (MouseIn)
        host_.ObjectMouse(FrameObjectMouse::Up, Name, button, at);
}

void TbsActiveSkinObject::MouseMove(const QPoint& at)
{
    host_.ObjectMouse(FrameObjectMouse::Move, Name, Qt::NoButton, at);
}

void TbsActiveSkinObject::MouseEnter()
{
    SetHot(true);
    host_.ObjectMouse(FrameObjectMouse::Enter, Name, Qt::NoButton, {});
    ShowGlow();
}

void TbsActiveSkinObject::MouseLeave()
{
    SetHot(false);
    host_.ObjectMouse(FrameObjectMouse::Leave, Name, Qt::NoButton, {});
    HideGlow();
}

void TbsActiveSkinObject::SetHot(bool hot)
{
    MouseIn = hot;
    if (MorphRunning())
        host_.StartMorphTimer();
    else
        host_.RepaintObject(*this);
}
