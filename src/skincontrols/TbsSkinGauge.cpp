#include "skincontrols/TbsSkinGauge.h"

#include "framework/TApplicationEvents.h"
#include "skin/TbsDataSkinGaugeControl.h"
#include "skin/TbsSkinData.h"
#include "skincontrols/GaugeGeometry.h"
#include "skinui/ColorKeyCopy.h"
#include "skinui/PieceStripImage.h"
#include "skinui/PlainFace.h"
#include "skinui/SkinColor.h"
#include "skinui/SkinFont.h"
#include "skinui/SkinRect.h"
#include "skinui/SkinText.h"

#include <QPainter>

TbsSkinGauge::TbsSkinGauge(QWidget* parent) : TbsSkinCustomControl(parent)
{
    SetSkinDataName(QStringLiteral("gauge"));
    resize(100, 20);
    pauseTimer_.setSingleShot(true);
    connect(&pauseTimer_, &QTimer::timeout, this, [this] { frameTimer_.start(skin_.animationInterval); });
    connect(&frameTimer_, &QTimer::timeout, this, &TbsSkinGauge::NextFrame);
}

void TbsSkinGauge::ClampValue()
{
    // Written out rather than clamped: a minimum above the maximum must not be undefined.
    const int value = qMax(minValue_, qMin(maxValue_, value_));
    if (value == value_)
        return;
    value_ = value;
    update();
}

void TbsSkinGauge::SetMinValue(int value)
{
    minValue_ = value;
    ClampValue();
    update();
}

void TbsSkinGauge::SetMaxValue(int value)
{
    maxValue_ = value;
    ClampValue();
    update();
}

void TbsSkinGauge::SetValue(int value)
{
    value_ = value;
    ClampValue();
    update();
}

void TbsSkinGauge::SetVertical(bool vertical)
{
    if (vertical == vertical_)
        return;
    vertical_ = vertical;
    update();
}

void TbsSkinGauge::SetProgressAnimationPause(int pause)
{
    if (pause < 0 || pause == animationPause_)
        return;
    animationPause_ = pause;
    if (pauseTimer_.isActive())
        StartPause();
}

void TbsSkinGauge::SetShowProgressText(bool show)
{
    showProgressText_ = show;
    update();
}

void TbsSkinGauge::SetShowPercent(bool show)
{
    showPercent_ = show;
    update();
}

void TbsSkinGauge::SetProgressText(const QString& text)
{
    progressText_ = text;
    update();
}

int TbsSkinGauge::Percent() const
{
    return qRound(GaugeFraction(value_, minValue_, maxValue_) * 100);
}

bool TbsSkinGauge::IsVertical() const
{
    return SkinIndex() >= 0 ? skin_.vertical || vertical_ : vertical_;
}

QRect TbsSkinGauge::ProgressArea() const
{
    if (SkinIndex() < 0)
        return rect().adjusted(1, 1, -1, -1);
    // The skin's area grows with the control as its client rectangle does.
    const QRect& area = skin_.progressArea;
    const QSize growth = size() - SkinRect().size();
    return ::SkinRect(area.x(), area.y(), RightOf(area) + growth.width(), BottomOf(area) + growth.height());
}

QRect TbsSkinGauge::ProgressRect() const
{
    return GaugeProgressRect(ProgressArea(), GaugeFraction(value_, minValue_, maxValue_), IsVertical());
}

QString TbsSkinGauge::GaugeText() const
{
    QString text = showProgressText_ ? progressText_ : QString();
    if (showPercent_)
        text += QString::number(Percent()) + u'%';
    return text;
}

const TbsDataSkinCustomControl* TbsSkinGauge::FindSkinObject() const
{
    return SkinObject<TbsDataSkinGaugeControl>();
}

void TbsSkinGauge::GetSkinData()
{
    TbsSkinCustomControl::GetSkinData();
    const auto* object = SkinIndex() >= 0 ? SkinObject<TbsDataSkinGaugeControl>() : nullptr;
    if (!object)
        return;
    skin_.progressArea = object->progressarea;
    skin_.progressRect = object->progressrect;
    skin_.beginOffset = object->beginoffset;
    skin_.endOffset = object->endoffset;
    skin_.vertical = object->vertical;
    skin_.font = SkinFont(*object);
    skin_.fontColor = SkinColorToQColor(quint32(object->fontcolor));
    skin_.transparent = object->progresstransparent;
    skin_.transparentColor = SkinColorToQColor(quint32(object->progresstransparentcolor));
    skin_.stretch = object->progressstretch;
    skin_.animationRect = object->progressanimationskinrect;
    skin_.animationFrames = object->progressanimationcountframes;
    skin_.animationInterval = object->progressanimationtimerinterval;
    skin_.animationBeginOffset = object->animationbeginoffset;
    skin_.animationEndOffset = object->animationendoffset;
}

bool TbsSkinGauge::Animated() const
{
    // An interval of 0 would spin the frame timer without pause.
    return SkinIndex() >= 0 && !skin_.animationRect.isEmpty() && skin_.animationFrames > 0
           && skin_.animationInterval > 0;
}

void TbsSkinGauge::ChangeSkinData()
{
    TbsSkinCustomControl::ChangeSkinData();
    frameTimer_.stop();
    pauseTimer_.stop();
    frame_ = 0;
    if (Animated())
        StartPause();
}

void TbsSkinGauge::StartPause()
{
    pauseTimer_.start(animationPause_);
}

void TbsSkinGauge::NextFrame()
{
    ++frame_;
    if (frame_ > skin_.animationFrames || !Animated()) {
        frame_ = 0;
        frameTimer_.stop();
        StartPause();
    }
    update();
}

void TbsSkinGauge::PaintPlain(QPainter& painter)
{
    painter.fillRect(rect(), SystemColor(SkinColor::kButtonShadow));
    painter.fillRect(rect().adjusted(1, 1, -1, -1), SystemColor(SkinColor::kWindow));
    const QRect progress = ProgressRect();
    if (!TApplicationEvents::CallHook(OnGaugePaint, &painter, ProgressArea(), progress))
        painter.fillRect(progress, PlainHotFill());
    PaintText(painter, DefaultFont(), DefaultFontColor());
}

void TbsSkinGauge::PaintSkinned(QPainter& painter)
{
    TbsSkinCustomControl::PaintSkinned(painter);
    const QRect progress = ProgressRect();
    if (!TApplicationEvents::CallHook(OnGaugePaint, &painter, ProgressArea(), progress))
        PaintProgress(painter, progress);
    PaintText(painter, UseSkinFont() ? skin_.font : DefaultFont(), skin_.fontColor);
}

void TbsSkinGauge::PaintProgress(QPainter& painter, const QRect& progress)
{
    if (progress.isEmpty() || Picture().isNull())
        return;
    const bool framed = frame_ > 0;
    const QRect source = framed ? GaugeAnimationFrame(skin_.animationRect, skin_.animationFrames, frame_)
                                : skin_.progressRect;
    const int begin = framed ? skin_.animationBeginOffset : skin_.beginOffset;
    const int end = framed ? skin_.animationEndOffset : skin_.endOffset;
    const bool stretch = framed || skin_.stretch;
    if (source.isEmpty())
        return;
    QImage bar;
    if (IsVertical())
        BuildVerticalPieceImage(begin, end, bar, Picture(), source, progress.height(), stretch);
    else
        BuildHorizontalPieceImage(begin, end, bar, Picture(), source, progress.width(), stretch);
    if (bar.isNull())
        return;
    if (skin_.transparent) {
        DrawColorKeyed(painter, progress, bar, bar.rect(), skin_.transparentColor);
        return;
    }
    painter.drawImage(progress, bar);
}

void TbsSkinGauge::PaintText(QPainter& painter, const QFont& font, const QColor& color)
{
    const QString text = GaugeText();
    if (text.isEmpty())
        return;
    painter.save();
    painter.setFont(font);
    painter.setPen(color);
    QRect box = rect();
    if (IsVertical()) {
        // Turned by 90 degrees: reads from the bottom up.
        painter.translate(0, height());
        painter.rotate(-90);
        box = QRect(0, 0, height(), width());
    }
    // A progress text is no caption: an "&" in it is drawn.
    DrawSingleLineText(painter, text, box, Qt::AlignHCenter, SkinTextMode::Literal);
    painter.restore();
}
