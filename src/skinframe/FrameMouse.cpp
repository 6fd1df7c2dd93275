#include "skinframe/FrameMouse.h"

#include "framework/TApplicationEvents.h"
#include "skinframe/FrameHitTest.h"
#include "skinframe/TbsSkinFrameTypes.h"
#include "skinui/CompositingProbe.h"

#include <QApplication>
#include <QCursor>
#include <QMouseEvent>
#include <QToolTip>
#include <QWidget>

#include <utility>

FrameMouse::FrameMouse(QWidget* form, QObject* parent) : QObject(parent), form_(form), glow_(nullptr, true)
{
    trackTimer_.setInterval(kTrackInterval);
    connect(&trackTimer_, &QTimer::timeout, this, [this] { TrackTick(); });
    morphTimer_.setInterval(kMorphInterval);
    connect(&morphTimer_, &QTimer::timeout, this, [this] { MorphTick(); });
}

void FrameMouse::SetObjects(FrameObjectList objects)
{
    Clear();
    objects_ = std::move(objects);
}

void FrameMouse::Clear()
{
    pointer_.Clear(objects_);
    captionMoveArmed_ = false;
}

void FrameMouse::StopTimers()
{
    trackTimer_.stop();
    morphTimer_.stop();
}

void FrameMouse::Execute(const FramePointerActions& actions)
{
    for (const QRect& rect : actions.repaint)
        form_->update(rect);
    if (actions.morph && !morphTimer_.isActive())
        morphTimer_.start();
    if (actions.hideGlow)
        HideGlow();
    ShowGlow(actions.showGlow);
    if (actions.entered >= 0) {
        ShowHint(actions.entered);
        trackTimer_.start();
    }
    // Everything below may run handlers that rebuild the objects or end the form.
    const QPointer<FrameMouse> alive(this);
    if (actions.command)
        TApplicationEvents::Guard([&] { Q_EMIT Command(*actions.command); });
    if (alive && !actions.openMenuBelow.isEmpty())
        TApplicationEvents::Guard([&] { Q_EMIT MenuBelow(actions.openMenuBelow); });
    for (const FrameObjectNotice& notice : actions.notices)
        if (alive)
            TApplicationEvents::Guard([&] { PassOn(notice); });
}

void FrameMouse::PassOn(const FrameObjectNotice& notice)
{
    const QPoint& at = notice.at;
    switch (notice.what) {
    case FrameObjectMouse::Down: Q_EMIT ObjectMouseDown(notice.name, notice.button, at.x(), at.y()); return;
    case FrameObjectMouse::Up: Q_EMIT ObjectMouseUp(notice.name, notice.button, at.x(), at.y()); return;
    case FrameObjectMouse::Move: Q_EMIT ObjectMouseMove(notice.name, at.x(), at.y()); return;
    case FrameObjectMouse::Enter: Q_EMIT ObjectMouseEnter(notice.name); return;
    case FrameObjectMouse::Leave: Q_EMIT ObjectMouseLeave(notice.name); return;
    }
}

void FrameMouse::ShowHint(int index)
{
    const Context context = this->context();
    const TbsActiveSkinObject& hot = objects_[size_t(index)];
    const QString hint = InAlternateState(hot, context.windowState, context.rolledUp) ? hot.RestoreHint : hot.Hint;
    if (context.showHints && !hint.isEmpty())
        QToolTip::showText(form_->mapToGlobal(hot.ObjectRect.bottomLeft()), hint, form_);
}

void FrameMouse::ShowGlow(int index)
{
    if (index < 0 || size_t(index) >= objects_.size() || !context().glowFrames || !WindowOpacityAvailable())
        return;
    const TbsActiveSkinObject& object = objects_[size_t(index)];
    const QPoint at = form_->mapToGlobal(object.ObjectRect.topLeft()) - object.GlowOffset;
    glow_.Show(at.x(), at.y(), object.GlowPicture, object.GlowMask, object.GlowAlpha);
}

void FrameMouse::HideGlow()
{
    glow_.Hide();
}

void FrameMouse::Track(const QPoint& point, FramePointerActions& actions)
{
    const Context context = this->context();
    if (!context.formActive || objects_.empty() || !context.chrome)
        return;
    pointer_.SetHot(objects_, pointer_.ObjectAt(objects_, point, context.client), actions);
}

void FrameMouse::SetHot(int index)
{
    FramePointerActions actions;
    pointer_.SetHot(objects_, index, actions);
    Execute(actions);
}

void FrameMouse::UpdateCursor(int code)
{
    const bool sizing = code != HTCLIENT && CursorOfHitCode(code) != Qt::ArrowCursor;
    if (sizing || sizingCursor_)
        Q_EMIT CursorChanged(sizing ? code : int(HTCLIENT));
    sizingCursor_ = sizing;
    if (sizing && !trackTimer_.isActive())
        trackTimer_.start();
}

bool FrameMouse::Move(const QMouseEvent& event)
{
    if (!context().chrome)
        return false;
    const QPoint p = event.position().toPoint();
    if (captionMoveArmed_ && (event.buttons() & Qt::LeftButton)
        && (p - captionPress_).manhattanLength() >= QApplication::startDragDistance()) {
        captionMoveArmed_ = false;
        pointer_.DropCapture();
        SetHot(-1);
        Q_EMIT Drag(HTCAPTION);
        return true;
    }
    FramePointerActions actions;
    Track(p, actions);
    const bool captured = Captured();
    const int code = captured ? HTOBJECT : hitTest(p);
    if (!captured)
        UpdateCursor(code);
    pointer_.Move(objects_, p, actions);
    Execute(actions);
    return captured || code != HTCLIENT;
}

int FrameMouse::PressObject(const QMouseEvent& event, FramePointerActions& actions)
{
    const QPoint p = event.position().toPoint();
    Track(p, actions);
    const int code = hitTest(p);
    if (code != HTCLIENT)
        pointer_.Press(objects_, event.button(), p, code == HTCAPTION, actions);
    else
        Execute(std::exchange(actions, {}));  // the client area's press is the form's
    return code;
}

bool FrameMouse::Press(const QMouseEvent& event)
{
    const Context context = this->context();
    if (!context.chrome)
        return false;
    FramePointerActions actions;
    const int code = PressObject(event, actions);
    if (code == HTCLIENT)
        return false;
    const bool left = event.button() == Qt::LeftButton;
    if (left && code == HTCAPTION && context.windowState != TbsFrameWindowState::Maximized) {
        // A maximized form stays where it is.
        captionMoveArmed_ = true;
        captionPress_ = event.position().toPoint();
    }
    const bool sizing = left && code != HTCAPTION && EdgesOfHitCode(code);
    if (sizing) {
        pointer_.DropCapture();
        pointer_.SetHot(objects_, -1, actions);
    }
    Execute(actions);
    if (sizing)
        Q_EMIT Drag(code);
    else if (event.button() == Qt::RightButton && code == HTCAPTION && !context.disableSystemMenu)
        Q_EMIT MenuAt(event.globalPosition().toPoint());
    return true;
}

bool FrameMouse::Release(const QMouseEvent& event)
{
    if (!context().chrome)
        return false;
    captionMoveArmed_ = false;
    const QPoint p = event.position().toPoint();
    if (!Captured())
        return hitTest(p) != HTCLIENT;
    // The press's object is let go first, the pointer followed to where it is now, then the
    // object hears the release.
    FramePointerActions actions;
    const int released = pointer_.Captured();
    pointer_.DropCapture();
    Track(p, actions);
    pointer_.Release(objects_, released, event.button(), p, actions);
    Execute(actions);
    return true;
}

bool FrameMouse::DoubleClick(const QMouseEvent& event)
{
    if (!context().chrome)
        return false;
    FramePointerActions actions;
    const int code = PressObject(event, actions);
    if (code == HTCLIENT)
        return false;
    if (event.button() == Qt::LeftButton)
        pointer_.DoubleClick(objects_, actions);
    Execute(actions);
    if (event.button() == Qt::LeftButton && code == HTCAPTION)
        Q_EMIT CaptionDoubleClicked();
    return true;
}

void FrameMouse::Leave()
{
    if (!Captured())
        SetHot(-1);
    UpdateCursor(HTCLIENT);
}

void FrameMouse::TrackTick()
{
    const QPoint point = form_->mapFromGlobal(QCursor::pos());
    const bool over = form_->rect().contains(point) && QApplication::widgetAt(QCursor::pos()) == form_;
    if (!over || context().client.contains(point)) {
        if (!Captured())
            SetHot(-1);
        UpdateCursor(HTCLIENT);
    }
    if (pointer_.Hot() < 0 && !sizingCursor_)
        trackTimer_.stop();
}

void FrameMouse::MorphTick()
{
    bool running = false;
    for (TbsActiveSkinObject& object : objects_) {
        if (!object.MorphRunning())
            continue;
        running = object.MorphStep() || running;
        form_->update(object.ObjectRect);
    }
    if (!running)
        morphTimer_.stop();
}

void FrameMouse::Deactivated()
{
    HideGlow();
    FramePointerActions actions;
    if (!Captured())
        pointer_.SetHot(objects_, -1, actions);
    for (TbsActiveSkinObject& object : objects_)
        if (object.IsButton() && !object.HasMenu())
            object.Down = false;
    Execute(actions);
}

void FrameMouse::MenuClosed()
{
    FramePointerActions actions;
    pointer_.MenuClosed(objects_, actions);
    Execute(actions);
    HideGlow();
}
