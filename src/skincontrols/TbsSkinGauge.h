#pragma once

#include "skincontrols/GaugePainting.h"
#include "skincontrols/TbsSkinCustomControl.h"

class TTimer;

// A progress bar drawn from a "gauge" skin object (or plainly). Value stays within MinValue and
// MaxValue. With a skin that has a progress animation, a pause timer ("PauseTimer",
// ProgressAnimationPause ms) starts a frame timer ("FrameTimer", the skin's interval) that
// shows each animation frame over the progress once, then the pause runs again; a skin change
// restarts both. The skin's vertical flag decides the direction while there is a skin.
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
    void ForgetSkinData() override;
    void PaintPlain(QPainter& painter) override;
    void PaintSkinned(QPainter& painter) override;

private:
    GaugeState State() const;
    void StartPause();
    void NextFrame();
    void SetValues(int minValue, int maxValue, int value);
    template <class Field>
    void SetField(Field& field, const Field& value);

    int minValue_ = 0;
    int maxValue_ = 100;
    int value_ = 50;
    bool vertical_ = false;
    int animationPause_ = 3000;
    bool showProgressText_ = false;
    bool showPercent_ = false;
    QString progressText_;
    int frame_ = 0;
    TTimer* pauseTimer_;
    TTimer* frameTimer_;
    GaugeSkin skin_;
};
