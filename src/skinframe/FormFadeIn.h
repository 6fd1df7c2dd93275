#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWidget>

// What a form's fade-in does for its settings.
struct FadePlan {
    bool fade = false;     // the window starts transparent at all
    bool animate = false;  // it rises in steps rather than at once
    int target = 255;      // the opacity it ends at, 0..255
};

// The fade-in of a form as it is shown: the window becomes transparent at once, then, from
// the next turn of the event loop, rises to the target opacity in fifteen steps (at least one
// unit each), one step per timer tick, or jumps to it when not animated. Ending at 255 makes
// the window plainly opaque again. Window opacity needs a compositing manager; the frame does
// not start a fade without one.
class FormFadeIn : public QObject {
    Q_OBJECT
public:
    // Ticks come a little more than 5 ms apart.
    static constexpr int kStepInterval = 6;

    explicit FormFadeIn(QWidget* form);

    // The plan for the form's AlphaBlend, AlphaBlendAnimation and AlphaBlendValue and the store's
    // AnimationForAllWindows (under which a value of 0 counts as 255).
    static FadePlan Plan(bool alphaBlend, bool alphaBlendAnimation, int alphaBlendValue, bool animationForAllWindows);

    void Start(const FadePlan& plan);
    void Stop();
    bool Running() const { return timer_.isActive(); }
    int Alpha() const { return alpha_; }

private:
    void Tick();
    void Apply(int alpha);

    QPointer<QWidget> form_;
    QTimer timer_;
    FadePlan plan_;
    int alpha_ = 255;
    int step_ = 1;
    bool stepping_ = false;
};
