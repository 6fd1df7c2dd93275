#include "skinframe/FormFadeIn.h"

#include <algorithm>

namespace {
constexpr int kSteps = 15;
}

FormFadeIn::FormFadeIn(QWidget* form) : form_(form)
{
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, [this] { Tick(); });
}

FadePlan FormFadeIn::Plan(bool alphaBlend, bool alphaBlendAnimation, int alphaBlendValue, bool animationForAllWindows)
{
    FadePlan plan;
    plan.fade = alphaBlend || alphaBlendAnimation || animationForAllWindows;
    plan.animate = alphaBlendAnimation || animationForAllWindows;
    const int value = alphaBlendValue == 0 && animationForAllWindows ? 255 : std::clamp(alphaBlendValue, 0, 255);
    plan.target = plan.animate && !alphaBlend ? 255 : value;
    return plan;
}

void FormFadeIn::Start(const FadePlan& plan)
{
    if (!plan.fade)
        return;
    plan_ = plan;
    step_ = std::max(1, plan.target / kSteps);
    stepping_ = false;
    Apply(0);
    // The first tick comes once the window is on screen; the steps follow it.
    timer_.start(1);
}

void FormFadeIn::Stop()
{
    timer_.stop();
}

void FormFadeIn::Tick()
{
    if (!plan_.animate) {
        timer_.stop();
        Apply(plan_.target);
        return;
    }
    if (!stepping_) {
        stepping_ = true;
        timer_.start(kStepInterval);
        return;
    }
    Apply(std::min(alpha_ + step_, plan_.target));
    if (alpha_ >= plan_.target)
        timer_.stop();
}

void FormFadeIn::Apply(int alpha)
{
    alpha_ = alpha;
    if (form_)
        form_->setWindowOpacity(alpha / 255.0);
}
