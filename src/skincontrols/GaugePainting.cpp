#include "skincontrols/GaugePainting.h"

#include "framework/TApplicationEvents.h"
#include "skin/TbsDataSkinGaugeControl.h"
#include "skincontrols/GaugeGeometry.h"
#include "skinui/ColorKeyCopy.h"
#include "skinui/PieceStripImage.h"
#include "skinui/PlainFace.h"
#include "skinui/ScaledSkinPicture.h"
#include "skinui/SkinColor.h"
#include "skinui/SkinFont.h"
#include "skinui/SkinRect.h"
#include "skinui/SkinText.h"

#include <QPainter>

namespace {

void PaintProgress(QPainter& painter, const QRect& progress, const CustomControlSkin& custom, const GaugeSkin& skin,
                   bool vertical, int frame)
{
    if (progress.isEmpty() || custom.picture.isNull())
        return;
    const bool framed = frame > 0;
    const QRect source = framed ? GaugeAnimationFrame(skin.animationRect, skin.animationFrames, frame) : skin.progressRect;
    const int begin = framed ? skin.animationBeginOffset : skin.beginOffset;
    const int end = framed ? skin.animationEndOffset : skin.endOffset;
    const bool stretch = framed || skin.stretch;
    if (source.isEmpty())
        return;
    const ScaledSkinPicture picture = ScaledSkinPicture::For(painter, custom.picture, custom.doubleSize);
    QImage bar;
    if (vertical)
        BuildVerticalPieceImage(begin, end, bar, picture, source, progress.height(), stretch);
    else
        BuildHorizontalPieceImage(begin, end, bar, picture, source, progress.width(), stretch);
    if (bar.isNull())
        return;
    if (skin.transparent) {
        DrawColorKeyed(painter, progress, bar, bar.rect(), skin.transparentColor);
        return;
    }
    painter.drawImage(progress, bar);
}

void PaintText(QPainter& painter, const QSize& size, const QString& text, bool vertical, const QFont& font,
               const QColor& color)
{
    if (text.isEmpty())
        return;
    painter.save();
    painter.setFont(font);
    painter.setPen(color);
    QRect box(QPoint(0, 0), size);
    if (vertical) {
        // Turned by 90 degrees: reads from the bottom up.
        painter.translate(0, size.height());
        painter.rotate(-90);
        box = QRect(0, 0, size.height(), size.width());
    }
    // A progress text is no caption: an "&" in it is drawn.
    DrawSingleLineText(painter, text, box, Qt::AlignHCenter, SkinTextMode::Literal);
    painter.restore();
}

}  // namespace

GaugeSkin GaugeSkin::Read(const TbsDataSkinGaugeControl& object)
{
    GaugeSkin skin;
    skin.progressArea = object.progressarea;
    skin.progressRect = object.progressrect;
    skin.beginOffset = object.beginoffset;
    skin.endOffset = object.endoffset;
    skin.vertical = object.vertical;
    skin.font = SkinFont(object);
    skin.fontColor = SkinColorOf(object.fontcolor);
    skin.transparent = object.progresstransparent;
    skin.transparentColor = SkinColorOf(object.progresstransparentcolor);
    skin.stretch = object.progressstretch;
    skin.animationRect = object.progressanimationskinrect;
    skin.animationFrames = object.progressanimationcountframes;
    skin.animationInterval = object.progressanimationtimerinterval;
    skin.animationBeginOffset = object.animationbeginoffset;
    skin.animationEndOffset = object.animationendoffset;
    return skin;
}

bool GaugeSkin::Animated() const
{
    return !animationRect.isEmpty() && animationFrames > 0 && animationInterval > 0;
}

bool GaugeIsVertical(const CustomControlSkin& custom, const GaugeSkin& skin, bool verticalProperty)
{
    return custom.valid ? skin.vertical : verticalProperty;
}

QRect GaugeProgressArea(const QSize& size, const CustomControlSkin& custom, const GaugeSkin& skin)
{
    if (!custom.valid)
        return QRect(QPoint(1, 1), size - QSize(2, 2));
    const QRect& area = skin.progressArea;
    const QSize growth = size - custom.skinRect.size();
    return SkinRect(area.x(), area.y(), RightOf(area) + growth.width(), BottomOf(area) + growth.height());
}

QRect GaugeProgressRectOf(const QSize& size, const CustomControlSkin& custom, const GaugeSkin& skin,
                          const GaugeState& state)
{
    return GaugeProgressRect(GaugeProgressArea(size, custom, skin),
                             GaugeFraction(state.value, state.minValue, state.maxValue),
                             GaugeIsVertical(custom, skin, state.vertical));
}

void PaintGauge(QPainter& painter, const QSize& size, const CustomControlSkin& custom, const GaugeSkin& skin,
                const GaugeState& state, const TbsGaugePaintEvent& onPaint)
{
    const QRect area = GaugeProgressArea(size, custom, skin);
    const QRect progress = GaugeProgressRectOf(size, custom, skin, state);
    const bool vertical = GaugeIsVertical(custom, skin, state.vertical);
    if (!custom.valid) {
        const QRect whole(QPoint(0, 0), size);
        painter.fillRect(whole, SystemColor(SkinColor::kButtonShadow));
        painter.fillRect(whole.adjusted(1, 1, -1, -1), SystemColor(SkinColor::kWindow));
        if (!TApplicationEvents::CallHook(onPaint, &painter, area, progress))
            painter.fillRect(progress, PlainHotFill());
        PaintText(painter, size, state.text, vertical, state.defaultFont, state.defaultFontColor);
        return;
    }
    custom.PaintPicture(painter, custom.skinRect, size, state.useSkinSize);
    if (!TApplicationEvents::CallHook(onPaint, &painter, area, progress))
        PaintProgress(painter, progress, custom, skin, vertical, state.frame);
    PaintText(painter, size, state.text, vertical, state.useSkinFont ? skin.font : state.defaultFont, skin.fontColor);
}
