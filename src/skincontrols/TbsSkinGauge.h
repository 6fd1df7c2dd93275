#pragma once

#include "skincontrols/TbsSkinCustomControl.h"

#include <QTimer>

#include <functional>

// Draws a gauge's progress instead of the gauge: canvas, progress area, progress rectangle.
using TbsGaugePaintEvent = std::function<void(QPainter* Cnvs, QRect ProgressArea, QRect ProgressRect)>;

// A progress bar drawn from a "gauge" skin object (or plainly). Value stays within MinValue and
// MaxValue. With a skin that has a progress animation, a pause timer (ProgressAnimationPause
// ms) starts a frame timer that shows each animation frame over the progress once, then the
// pause runs again; a skin change restarts both.
class TbsSkinGauge : public TbsSkinCustomControl {
    Q_OBJECT
public:
    explicit TbsSkinGauge(QWidget* parent = nullptr);

    int MinValue() const { return minValue_; }
    void SetMinValue(int value);
    int MaxValue() const { return maxValue_; }
    void SetMaxValue(int value);
    int Value() const { return value_; }
    void SetValue(int value);
    // The skin's own vertical flag overrides it.
    bool Vertical() const { return vertical_; }
    void SetVertical(bool vertical);
    // Negative pauses are refused.
    int ProgressAnimationPause() const { return animationPause_; }
    void SetProgressAnimationPause(int pause);
    bool ShowProgressText() const { return showProgressText_; }
    void SetShowProgressText(bool show);
    bool ShowPercent() const { return showPercent_; }
    void SetShowPercent(bool show);
    QString ProgressText() const { return progressText_; }
    void SetProgressText(const QString& text);

    // Whole per cent, rounded.
    int Percent() const;
    // Where progress may be drawn, and the part of it the value fills.
    QRect ProgressArea() const;
    QRect ProgressRect() const;
    // The animation frame shown over the progress, from 1; 0 for none.
    int AnimationFrame() const { return frame_; }
    // The text drawn over the gauge; empty for none.
    QString GaugeText() const;

    void ChangeSkinData() override;

    TbsGaugePaintEvent OnGaugePaint;

protected:
    const TbsDataSkinCustomControl* FindSkinObject() const override;
    void GetSkinData() override;
    void PaintPlain(QPainter& painter) override;
    void PaintSkinned(QPainter& painter) override;

private:
    // The fields of the skin object a gauge draws with.
    struct Skin {
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
    };

    bool IsVertical() const;
    bool Animated() const;
    void StartPause();
    void NextFrame();
    void ClampValue();
    void PaintProgress(QPainter& painter, const QRect& progress);
    void PaintText(QPainter& painter, const QFont& font, const QColor& color);

    int minValue_ = 0;
    int maxValue_ = 100;
    int value_ = 50;
    bool vertical_ = false;
    int animationPause_ = 3000;
    bool showProgressText_ = false;
    bool showPercent_ = false;
    QString progressText_;
    int frame_ = 0;
    QTimer pauseTimer_;
    QTimer frameTimer_;
    Skin skin_;
};
