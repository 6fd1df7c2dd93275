#include "skincontrols/TbsSkinGauge.h"

#include "framework/TTimer.h"
#include "skin/TbsDataSkinGaugeControl.h"
#include "skincontrols/GaugeGeometry.h"

#include <QPainter>

TbsSkinGauge::TbsSkinGauge(QWidget* parent)
    : TbsSkinCustomControl(parent), pauseTimer_(new TTimer(this)), frameTimer_(new TTimer(this))
{
    SetSkinDataName(QStringLiteral("gauge"));
    resize(100, 20);
    pauseTimer_->setObjectName(QStringLiteral("PauseTimer"));
    frameTimer_->setObjectName(QStringLiteral("FrameTimer"));
    connect(pauseTimer_, &TTimer::OnTimer, this, [this] {
        pauseTimer_->SetEnabled(false);
        frameTimer_->SetInterval(skin_.animationInterval);
        frameTimer_->SetEnabled(true);
    });
    connect(frameTimer_, &TTimer::OnTimer, this, [this] { NextFrame(); });
}

template <class Field>
void TbsSkinGauge::SetField(Field& field, const Field& value)
{
    if (field == value)
        return;
    field = value;
    update();
}

void TbsSkinGauge::SetValues(int minValue, int maxValue, int value)
{
    // Written out rather than clamped: a minimum above the maximum must not be undefined.
    const int clamped = qMax(minValue, qMin(maxValue, value));
    if (minValue == minValue_ && maxValue == maxValue_ && clamped == value_)
        return;
    minValue_ = minValue;
    maxValue_ = maxValue;
    value_ = clamped;
    update();
}

void TbsSkinGauge::SetMinValue(int value)
{
    SetValues(value, maxValue_, value_);
}

void TbsSkinGauge::SetMaxValue(int value)
{
    SetValues(minValue_, value, value_);
}

void TbsSkinGauge::SetValue(int value)
{
    SetValues(minValue_, maxValue_, value);
}

void TbsSkinGauge::SetVertical(bool vertical)
{
    SetField(vertical_, vertical);
}

void TbsSkinGauge::SetProgressAnimationPause(int pause)
{
    if (pause < 0 || pause == animationPause_)
        return;
    animationPause_ = pause;
    if (pauseTimer_->Enabled())
        StartPause();
}

void TbsSkinGauge::SetShowProgressText(bool show)
{
    SetField(showProgressText_, show);
}

void TbsSkinGauge::SetShowPercent(bool show)
{
    SetField(showPercent_, show);
}

void TbsSkinGauge::SetProgressText(const QString& text)
{
    SetField(progressText_, text);
}

int TbsSkinGauge::Percent() const
{
    return qRound(GaugeFraction(value_, minValue_, maxValue_) * 100);
}

QRect TbsSkinGauge::ProgressArea() const
{
    return GaugeProgressArea(size(), CustomSkin(), skin_);
}

QRect TbsSkinGauge::ProgressRect() const
{
    return GaugeProgressRectOf(size(), CustomSkin(), skin_, State());
}

QString TbsSkinGauge::GaugeText() const
{
    QString text = showProgressText_ ? progressText_ : QString();
    if (showPercent_)
        text += QString::number(Percent()) + u'%';
    return text;
}

GaugeState TbsSkinGauge::State() const
{
    GaugeState state;
    static_cast<ControlFontSettings&>(state) = FontSettings();
    state.value = value_;
    state.minValue = minValue_;
    state.maxValue = maxValue_;
    state.vertical = vertical_;
    state.frame = frame_;
    state.text = GaugeText();
    return state;
}

const TbsDataSkinCustomControl* TbsSkinGauge::FindSkinObject() const
{
    return SkinObject<TbsDataSkinGaugeControl>();
}

void TbsSkinGauge::GetSkinData()
{
    TbsSkinCustomControl::GetSkinData();
    const auto* object = SkinIndex() >= 0 ? SkinObject<TbsDataSkinGaugeControl>() : nullptr;
    skin_ = object ? GaugeSkin::Read(*object) : GaugeSkin();
}

void TbsSkinGauge::ForgetSkinData()
{
    TbsSkinCustomControl::ForgetSkinData();
    skin_ = GaugeSkin();
    frameTimer_->SetEnabled(false);
    pauseTimer_->SetEnabled(false);
    frame_ = 0;
}

void TbsSkinGauge::ChangeSkinData()
{
    TbsSkinCustomControl::ChangeSkinData();
    frameTimer_->SetEnabled(false);
    pauseTimer_->SetEnabled(false);
    frame_ = 0;
    if (CustomSkin().valid && skin_.Animated())
        StartPause();
}

void TbsSkinGauge::StartPause()
{
    pauseTimer_->SetEnabled(false);
    pauseTimer_->SetInterval(animationPause_);
    pauseTimer_->SetEnabled(true);
}

void TbsSkinGauge::NextFrame()
{
    ++frame_;
    if (frame_ > skin_.animationFrames) {
        frame_ = 0;
        frameTimer_->SetEnabled(false);
        StartPause();
    }
    update();
}

void TbsSkinGauge::PaintPlain(QPainter& painter)
{
    PaintGauge(painter, size(), CustomSkin(), skin_, State(), OnGaugePaint);
}

void TbsSkinGauge::PaintSkinned(QPainter& painter)
{
    PaintGauge(painter, size(), CustomSkin(), skin_, State(), OnGaugePaint);
}
