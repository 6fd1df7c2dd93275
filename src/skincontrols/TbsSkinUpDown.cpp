#include "skincontrols/TbsSkinUpDown.h"

#include "framework/TApplicationEvents.h"
#include "framework/TTimer.h"
#include "skin/TbsDataSkinButtonControl.h"
#include "skin/TbsDataSkinUpDownControl.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

namespace {
// The button object that draws the arrows of an up-down that does not take the skin's size.
const QString kResizeButton = QStringLiteral("resizebutton");
}  // namespace

TbsSkinUpDown::TbsSkinUpDown(QWidget* parent) : TbsSkinCustomControl(parent), timer_(new TTimer(this))
{
    SetSkinDataName(QStringLiteral("hupdown"));
    resize(50, 25);
    timer_->setObjectName(QStringLiteral("RepeatTimer"));
    connect(timer_, &TTimer::OnTimer, this, [this] { Tick(); });
}

int TbsSkinUpDown::RepeatWait() const
{
    return timer_->Enabled() ? timer_->Interval() : 0;
}

void TbsSkinUpDown::StartTimer(int wait)
{
    timer_->SetEnabled(false);
    timer_->SetInterval(wait);
    timer_->SetEnabled(true);
}

void TbsSkinUpDown::SetMin(int min)
{
    min_ = min;
    if (position_ < min_)
        position_ = min_;
}

void TbsSkinUpDown::SetMax(int max)
{
    max_ = max;
    if (position_ > max_)
        position_ = max_;
}

void TbsSkinUpDown::SetPosition(int position)
{
    if (position > max_ || position < min_ || position == position_)
        return;
    position_ = position;
    TApplicationEvents::Guard([this] { Q_EMIT OnChange(this); });
}

void TbsSkinUpDown::SetOrientation(Qt::Orientation orientation)
{
    if (orientation == orientation_)
        return;
    orientation_ = orientation;
    update();
}

const TbsDataSkinCustomControl* TbsSkinUpDown::FindSkinObject() const
{
    return SkinObject<TbsDataSkinUpDownControl>();
}

void TbsSkinUpDown::GetSkinData()
{
    TbsSkinCustomControl::GetSkinData();
    const auto* object = SkinIndex() >= 0 ? SkinObject<TbsDataSkinUpDownControl>() : nullptr;
    skin_ = object ? UpDownSkin::Read(*object) : UpDownSkin();
    if (const auto* button = object ? SkinObjectNamed<TbsDataSkinButtonControl>(kResizeButton) : nullptr)
        skin_.resizeButton = ResizeButtonSkin::Read(*SkinData(), *button);
}

void TbsSkinUpDown::ForgetSkinData()
{
    TbsSkinCustomControl::ForgetSkinData();
    skin_ = UpDownSkin();
}

UpDownButtons TbsSkinUpDown::Buttons() const
{
    return UpDownButtonsOf(size(), CustomSkin(), skin_, UseSkinSize(), orientation_);
}

void TbsSkinUpDown::TrackHot(const QPoint& point)
{
    const int previous = hot_;
    hot_ = Buttons().ButtonAt(point, pressed_);
    if (hot_ == previous)
        return;
    if (previous >= 0) {
        flags_.hot[previous] = false;
        if (increment_ != 0 && previous == pressed_)
            timer_->SetEnabled(false);
    }
    if (hot_ >= 0) {
        flags_.hot[hot_] = true;
        flags_.hot[1 - hot_] = false;
        if (increment_ != 0 && hot_ == pressed_)
            StartTimer(kComeBackWait);
    }
    update();
}

void TbsSkinUpDown::enterEvent(QEnterEvent* event)
{
    hot_ = -1;
    TbsSkinCustomControl::enterEvent(event);
}

void TbsSkinUpDown::leaveEvent(QEvent* event)
{
    hot_ = -1;
    if (flags_.hot[0] || flags_.hot[1]) {
        flags_.hot[0] = flags_.hot[1] = false;
        update();
    }
    TbsSkinCustomControl::leaveEvent(event);
}

void TbsSkinUpDown::mouseMoveEvent(QMouseEvent* event)
{
    TrackHot(event->position().toPoint());
    TbsSkinCustomControl::mouseMoveEvent(event);
}

void TbsSkinUpDown::Press(const QPoint& point)
{
    TrackHot(point);
    if (hot_ < 0) {
        flags_.hot[0] = flags_.hot[1] = false;
        return;
    }
    flags_.hot[1 - hot_] = false;
    pressed_ = hot_;
    flags_.hot[pressed_] = true;
    flags_.pressed[pressed_] = true;
    update();
    if (increment_ != 0) {
        direction_ = pressed_ == 0 ? Increase : Decrease;
        firstWait_ = true;
        StartTimer(kFirstWait);
    }
}

void TbsSkinUpDown::mousePressEvent(QMouseEvent* event)
{
    Press(event->position().toPoint());
    TbsSkinCustomControl::mousePressEvent(event);
}

void TbsSkinUpDown::mouseDoubleClickEvent(QMouseEvent* event)
{
    Press(event->position().toPoint());
    TbsSkinCustomControl::mouseDoubleClickEvent(event);
}

void TbsSkinUpDown::Tick()
{
    if (firstWait_) {
        firstWait_ = false;
        StartTimer(kRepeatInterval);
        return;
    }
    Step(direction_);
}

void TbsSkinUpDown::Step(Direction direction)
{
    if (direction == Increase)
        SetPosition(position_ + increment_);
    else if (direction == Decrease)
        SetPosition(position_ - increment_);
}

void TbsSkinUpDown::Release(const QPoint& point)
{
    const int button = pressed_;
    if (button < 0)
        return;
    if (increment_ != 0) {
        timer_->SetEnabled(false);
        direction_ = NoRepeat;
    }
    flags_.pressed[button] = false;
    const UpDownButtons buttons = Buttons();
    const bool over = !buttons.rects[button].isEmpty() && buttons.ButtonAt(point, button) == button;
    if (!over)
        flags_.hot[button] = false;
    pressed_ = -1;
    update();
    if (!over)
        return;
    Step(button == 0 ? Increase : Decrease);
    TApplicationEvents::Guard([this, button] {
        if (button == 0)
            Q_EMIT OnUpButtonClick(this);
        else
            Q_EMIT OnDownButtonClick(this);
    });
}

void TbsSkinUpDown::mouseReleaseEvent(QMouseEvent* event)
{
    const QPointer<TbsSkinUpDown> alive(this);
    Release(event->position().toPoint());
    if (alive)
        TbsSkinCustomControl::mouseReleaseEvent(event);
}

void TbsSkinUpDown::PaintPlain(QPainter& painter)
{
    PaintUpDown(painter, size(), CustomSkin(), skin_, flags_, UseSkinSize(), orientation_);
}

void TbsSkinUpDown::PaintSkinned(QPainter& painter)
{
    PaintUpDown(painter, size(), CustomSkin(), skin_, flags_, UseSkinSize(), orientation_);
}
