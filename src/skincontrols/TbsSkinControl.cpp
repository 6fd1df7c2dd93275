#include "skincontrols/TbsSkinControl.h"

#include "framework/DoubleSizePicture.h"
#include "skin/TbsSkinData.h"
#include "skinui/SkinColor.h"

#include <QImage>
#include <QPainter>

TbsSkinControl::TbsSkinControl(QWidget* parent)
    : TControl(parent), link_(this, [this] { ForgetSkinData(); update(); }, [this] { ChangeSkinData(); })
{
    // The whole control is drawn on every paint; nothing of the parent needs to show first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

TbsSkinControl::~TbsSkinControl() = default;

void TbsSkinControl::SetSkinData(TbsSkinData* store)
{
    link_.SetStore(store);
}

void TbsSkinControl::SetSkinDataName(const QString& name)
{
    if (name == skinDataName_)
        return;
    skinDataName_ = name;
    SkinSettingChanged();
}

void TbsSkinControl::SkinSettingChanged()
{
    if (link_.Skinned())
        ChangeSkinData();
    else
        update();
}

void TbsSkinControl::ChangeSkinData()
{
    GetSkinData();
    update();
}

void TbsSkinControl::GetSkinData()
{
    const TbsSkinData* store = SkinData();
    skinIndex_ = link_.Skinned() ? store->FindControlIndex(skinDataName_) : -1;
}

void TbsSkinControl::ForgetSkinData()
{
    skinIndex_ = -1;
}

void TbsSkinControl::PaintPlain(QPainter& painter)
{
    painter.fillRect(rect(), SystemColor(SkinColor::kButtonFace));
}

void TbsSkinControl::PaintSkinned(QPainter& painter)
{
    PaintPlain(painter);
}

bool TbsSkinControl::event(QEvent* event)
{
    return link_.HandleEvent(event) || TControl::event(event);
}

void TbsSkinControl::paintEvent(QPaintEvent*)
{
    if (width() < 1 || height() < 1)
        return;
    // At the ratio the window is painted at: a grab or a render may differ from the screen's.
    QPainter window(this);
    QImage picture = CanvasForRatio(size(), PaintingRatio(window));
    {
        QPainter canvas(&picture);
        if (skinIndex_ >= 0)
            PaintSkinned(canvas);
        else
            PaintPlain(canvas);
    }
    window.drawImage(0, 0, picture);
}
