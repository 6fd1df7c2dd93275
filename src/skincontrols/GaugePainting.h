#pragma once

#include "skincontrols/CustomControlSkin.h"

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

#include <functional>

class QPainter;
class TbsDataSkinGaugeControl;

// Draws a gauge's progress instead of the gauge: canvas, progress area, progress rectangle.
using TbsGaugePaintEvent = std::function<void(QPainter* Cnvs, QRect ProgressArea, QRect ProgressRect)>;

// The fields of a "gauge" skin object a gauge draws with besides those every custom control
// copies, copied at the skin change.
struct GaugeSkin {
    QRect progressArea;
    QRect progressRect;
    int beginOffset = 0;
    int endOffset = 0;
    bool vertical = false;
    QFont font;
    QColor fontColor;
    bool transparent = false;
    QColor transparentColor;
    bool stretch = false;
    QRect animationRect;
    int animationFrames = 0;
    int animationInterval = 0;
    int animationBeginOffset = 0;
    int animationEndOffset = 0;

    static GaugeSkin Read(const TbsDataSkinGaugeControl& object);
    // Whether the skin has an animation the timers can run (an interval of 0 would spin).
    bool Animated() const;
};

// A gauge as it stands: its value in its range, the Vertical property, the animation frame on
// show (from 1; 0 for none), the text over it and the fonts and settings of its look.
struct GaugeState : ControlFontSettings {
    int value = 50;
    int minValue = 0;
    int maxValue = 100;
    bool vertical = false;
    int frame = 0;
    QString text;
};

// Whether a gauge runs vertically: with a skin the skin's own flag decides, without one the
// Vertical property.
bool GaugeIsVertical(const CustomControlSkin& custom, const GaugeSkin& skin, bool verticalProperty);
// Where progress may be drawn in a gauge of size: the skin's progress area grown with the
// control as its client rectangle grows, or the control inset by 1 without a skin.
QRect GaugeProgressArea(const QSize& size, const CustomControlSkin& custom, const GaugeSkin& skin);
// The part of the progress area the value fills.
QRect GaugeProgressRectOf(const QSize& size, const CustomControlSkin& custom, const GaugeSkin& skin,
                          const GaugeState& state);

// Paints a gauge of size: its face (the skin's picture, or the plain frame on the window
// colour), the progress (onPaint's drawing, or the skin's progress picture or animation frame,
// or the plain fill) and the text.
void PaintGauge(QPainter& painter, const QSize& size, const CustomControlSkin& custom, const GaugeSkin& skin,
                const GaugeState& state, const TbsGaugePaintEvent& onPaint);
