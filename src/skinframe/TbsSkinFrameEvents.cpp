// The frame's side of the form's events: painting, the pointer, activation, showing and sizing.
#include "skinframe/TbsSkinFrame.h"

#include "framework/TApplicationEvents.h"
#include "platform/WindowManager.h"
#include "skin/TbsSkinData.h"
#include "skin/TbsSkinMessageEvent.h"
#include "skinframe/FrameHitTest.h"
#include "skinframe/FramePainting.h"
#include "skinframe/TbsSkinButtonObject.h"
#include "skinframe/TbsSkinCaptionObject.h"
#include "skincontrols/TbsSkinMenu.h"
#include "skinui/CompositingProbe.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <QWidget>

bool TbsSkinFrame::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != form_)
        return false;
    if (int(event->type()) == TbsSkinMenu::CloseSkinMenuMessage) {
        TApplicationEvents::Guard([this] { MenuClosed(); });
        return false;
    }
    if (TbsSkinMessageEvent::IsSkinMessage(event)) {
        TApplicationEvents::Guard([&] { HandleSkinMessage(static_cast<TbsSkinMessageEvent&>(*event)); });
        return false;
    }
    bool consumed = false;
    TApplicationEvents::Guard([&] {
        CloseMenuOn(*event);
        switch (event->type()) {
        case QEvent::Paint:
            Paint(static_cast<QPaintEvent&>(*event));
            break;
        case QEvent::Resize:
            Sized();
            break;
        case QEvent::Show:
            Shown();
            break;
        case QEvent::Hide:
            fade_.Stop();
            HideGlow();
            break;
        case QEvent::ActivationChange:
            ActivationChanged();
            break;
        case QEvent::WindowIconChange:
            UpdateGeometry();
            RepaintFrame();
            break;
        case QEvent::WindowTitleChange:
            RepaintFrame();
            break;
        case QEvent::MouseMove:
            consumed = MouseMove(static_cast<QMouseEvent&>(*event));
            break;
        case QEvent::MouseButtonPress:
            consumed = MousePress(static_cast<QMouseEvent&>(*event));
            break;
        case QEvent::MouseButtonRelease:
            consumed = MouseRelease(static_cast<QMouseEvent&>(*event));
            break;
        case QEvent::MouseButtonDblClick:
            consumed = MouseDoubleClick(static_cast<QMouseEvent&>(*event));
            break;
        case QEvent::Leave:
            if (capturedIndex_ < 0)
                SetHotObject(-1);
            UpdateCursor(HTCLIENT);
            break;
        default:
            break;
        }
    });
    return consumed;
}

// The form's moves, sizes, activation changes and presses close an open skinned menu.
void TbsSkinFrame::CloseMenuOn(const QEvent& event)
{
    switch (event.type()) {
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::ActivationChange:
    case QEvent::FocusOut:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (skinMenu_->Visible())
            skinMenu_->CloseAll();
        return;
    default:
        return;
    }
}

// ---- Painting ----

FrameObjectPaint TbsSkinFrame::ObjectPaint() const
{
    FrameObjectPaint paint;
    paint.formActive = formActive_;
    paint.framePicture = skinLoaded_ ? &FormFramePicture(*skinData_, formActive_) : nullptr;
    paint.windowState = windowState_;
    paint.rolledUp = rolledUp_;
    paint.caption = form_->windowTitle();
    paint.icon = form_->windowIcon();
    paint.showIcon = showIcon_;
    return paint;
}

void TbsSkinFrame::Paint(QPaintEvent& event)
{
    if (!painting_)
        return;
    QPainter painter(form_);
    painter.setClipRegion(event.region());
    const bool chrome = DrawsChrome();
    PaintClientBackground(painter, skinData_, chrome ? geometry_.ClientRect() : form_->rect());
    if (!chrome)
        return;
    const FrameObjectPaint paint = ObjectPaint();
    if (!skinLoaded_)
        PaintDefaultFrame(painter, geometry_, defCaptionFont_, objects_, paint);
    else if (!BelowMinimum())
        PaintSkinFrame(painter, FrameStrips(), geometry_, objects_, paint);
}

const FrameStripImages& TbsSkinFrame::FrameStrips()
{
    // Cut from the frame picture once per size, skin and activation, not on every paint.
    if (!frameStrips_)
        frameStrips_ = BuildFormFrameStrips(*skinData_, geometry_, formActive_);
    return *frameStrips_;
}

void TbsSkinFrame::RepaintObject(const TbsActiveSkinObject& object)
{
    if (form_)
        form_->update(object.ObjectRect);
}

// ---- The pointer ----

int TbsSkinFrame::HitTest(const QPoint& point) const
{
    FrameHitInput in;
    in.geometry = &geometry_;
    in.maskStrips = masked_ ? &maskStrips_ : nullptr;
    for (const auto& object : objects_)
        if (dynamic_cast<const TbsSkinCaptionObject*>(object.get()) && object->Visible)
            in.captionObjects << object->ObjectRect;
    in.state.setFlag(FrameHitFlag::Maximized, windowState_ == TbsFrameWindowState::Maximized);
    in.state.setFlag(FrameHitFlag::Minimized, windowState_ == TbsFrameWindowState::Minimized);
    in.state.setFlag(FrameHitFlag::RolledUp, rolledUp_);
    in.state.setFlag(FrameHitFlag::Resizable, Resizable());
    in.state.setFlag(FrameHitFlag::HotObject, hotIndex_ >= 0);
    return FrameHitTestAt(point, in);
}

void TbsSkinFrame::UpdateCursor(int code)
{
    const bool sizing = code != HTCLIENT && CursorOfHitCode(code) != Qt::ArrowCursor;
    if (sizing)
        form_->setCursor(CursorOfHitCode(code));
    else if (sizingCursor_)
        form_->unsetCursor();
    sizingCursor_ = sizing;
    if (sizing && !trackTimer_.isActive())
        trackTimer_.start();
}

bool TbsSkinFrame::MouseMove(QMouseEvent& event)
{
    if (!DrawsChrome())
        return false;
    const QPoint p = event.position().toPoint();
    if (captionMoveArmed_ && (event.buttons() & Qt::LeftButton)
        && (p - captionPress_).manhattanLength() >= QApplication::startDragDistance()) {
        captionMoveArmed_ = false;
        BeginDrag(HTCAPTION);
        return true;
    }
    if (capturedIndex_ >= 0) {
        TbsActiveSkinObject& captured = *objects_[size_t(capturedIndex_)];
        Track(p);
        captured.MouseMove(p - captured.ObjectRect.topLeft());
        return true;
    }
    Track(p);
    const int code = HitTest(p);
    UpdateCursor(code);
    if (TbsActiveSkinObject* hot = HotObject())
        hot->MouseMove(p - hot->ObjectRect.topLeft());
    return code != HTCLIENT;
}

int TbsSkinFrame::PressObject(QMouseEvent& event)
{
    const QPoint p = event.position().toPoint();
    Track(p);
    const int code = HitTest(p);
    if (code == HTCLIENT)
        return code;
    if (TbsActiveSkinObject* hot = HotObject()) {
        if (event.button() == Qt::LeftButton && !dynamic_cast<TbsSkinCaptionObject*>(hot))
            capturedIndex_ = hotIndex_;
        hot->MouseDown(event.button(), p - hot->ObjectRect.topLeft());
    }
    if (code == HTCAPTION && event.button() == Qt::LeftButton)
        capturedIndex_ = -1;
    return code;
}

bool TbsSkinFrame::MousePress(QMouseEvent& event)
{
    if (!DrawsChrome())
        return false;
    const int code = PressObject(event);
    if (code == HTCLIENT)
        return false;
    if (event.button() == Qt::LeftButton) {
        // A maximized form stays where it is.
        if (code == HTCAPTION && windowState_ != TbsFrameWindowState::Maximized) {
            captionMoveArmed_ = true;
            captionPress_ = event.position().toPoint();
        } else if (EdgesOfHitCode(code)) {
            BeginDrag(code);
        }
    } else if (event.button() == Qt::RightButton && code == HTCAPTION && !disableSystemMenu_) {
        ShowSystemMenu(event.globalPosition().toPoint());
    }
    return true;
}

bool TbsSkinFrame::MouseRelease(QMouseEvent& event)
{
    if (!DrawsChrome())
        return false;
    captionMoveArmed_ = false;
    const QPoint p = event.position().toPoint();
    if (capturedIndex_ < 0)
        return HitTest(p) != HTCLIENT;
    TbsActiveSkinObject& captured = *objects_[size_t(capturedIndex_)];
    capturedIndex_ = -1;
    Track(p);
    captured.MouseUp(event.button(), p - captured.ObjectRect.topLeft());
    return true;
}

bool TbsSkinFrame::MouseDoubleClick(QMouseEvent& event)
{
    if (!DrawsChrome())
        return false;
    const int code = PressObject(event);
    if (code == HTCLIENT)
        return false;
    if (event.button() != Qt::LeftButton)
        return true;
    if (TbsActiveSkinObject* hot = HotObject())
        hot->DblClick();
    if (code == HTCAPTION)
        CaptionDoubleClick();
    return true;
}

void TbsSkinFrame::BeginDrag(int code)
{
    // The objects give up the pointer while the window system moves or sizes the form.
    capturedIndex_ = -1;
    SetHotObject(-1);
    windows_.BeginSystemDrag(form_, code);
}

void TbsSkinFrame::CaptionDoubleClick()
{
    const bool maximized = windowState_ == TbsFrameWindowState::Maximized;
    if (Resizable() && windowState_ == TbsFrameWindowState::Minimized)
        RestoreWindow();
    else if (Resizable() && !maximized && !rolledUp_ && borderIcons_.testFlag(biMaximize))
        MaximizeWindow();
    else if (!Resizable() || !maximized || rolledUp_)
        RollUpWindow();
    else
        RestoreWindow();
}

void TbsSkinFrame::Track(const QPoint& point)
{
    if (!formActive_ || objects_.empty() || !DrawsChrome())
        return;
    int found = -1;
    if (!geometry_.ClientRect().contains(point)) {
        for (size_t i = 0; i < objects_.size() && found < 0; ++i) {
            const TbsActiveSkinObject& object = *objects_[i];
            if (object.Visible && object.Active && object.ObjectRect.contains(point)
                && object.PointTest(point - object.ObjectRect.topLeft()))
                found = int(i);
        }
    }
    if (capturedIndex_ >= 0 && found != capturedIndex_)
        found = -1;
    SetHotObject(found);
}

void TbsSkinFrame::TrackTick()
{
    const QPoint point = form_->mapFromGlobal(QCursor::pos());
    const bool over = form_->rect().contains(point) && QApplication::widgetAt(QCursor::pos()) == form_;
    if (!over || geometry_.ClientRect().contains(point)) {
        if (capturedIndex_ < 0)
            SetHotObject(-1);
        UpdateCursor(HTCLIENT);
    }
    if (hotIndex_ < 0 && !sizingCursor_)
        trackTimer_.stop();
}

void TbsSkinFrame::SetHotObject(int index)
{
    if (index == hotIndex_)
        return;
    const int old = hotIndex_;
    hotIndex_ = index;
    if (old >= 0)
        objects_[size_t(old)]->MouseLeave();
    if (index < 0)
        return;
    TbsActiveSkinObject& hot = *objects_[size_t(index)];
    hot.MouseEnter();
    if (showObjectHint_ && !hot.Hint.isEmpty())
        QToolTip::showText(form_->mapToGlobal(hot.ObjectRect.bottomLeft()), hot.Hint, form_);
    trackTimer_.start();
}

void TbsSkinFrame::ClearObjects()
{
    hotIndex_ = -1;
    capturedIndex_ = -1;
    captionMoveArmed_ = false;
    for (const auto& object : objects_)
        object->MouseIn = false;
}

void TbsSkinFrame::StartMorphTimer()
{
    if (!morphTimer_.isActive())
        morphTimer_.start();
}

void TbsSkinFrame::MorphTick()
{
    bool running = false;
    for (const auto& object : objects_)
        running |= object->MorphStep();
    if (!running)
        morphTimer_.stop();
}

void TbsSkinFrame::ObjectMouse(FrameObjectMouse what, const QString& name, Qt::MouseButton button, const QPoint& at)
{
    TApplicationEvents::Guard([&] {
        switch (what) {
        case FrameObjectMouse::Down: Q_EMIT OnMouseDownEvent(name, button, at.x(), at.y()); break;
        case FrameObjectMouse::Up: Q_EMIT OnMouseUpEvent(name, button, at.x(), at.y()); break;
        case FrameObjectMouse::Move: Q_EMIT OnMouseMoveEvent(name, at.x(), at.y()); break;
        case FrameObjectMouse::Enter: Q_EMIT OnMouseEnterEvent(name); break;
        case FrameObjectMouse::Leave: Q_EMIT OnMouseLeaveEvent(name); break;
        }
    });
}

// ---- Glow frames ----

void TbsSkinFrame::ShowGlow(const TbsActiveSkinObject& object)
{
    if (!skinData_ || !skinData_->ShowCaptionButtonGlowFrames() || object.GlowPicture.isNull()
        || !WindowOpacityAvailable())
        return;
    const QPoint at = form_->mapToGlobal(object.ObjectRect.topLeft()) - object.GlowOffset;
    glow_.Show(at.x(), at.y(), object.GlowPicture, object.GlowMask, object.GlowAlpha);
}

void TbsSkinFrame::HideGlow()
{
    glow_.Hide();
}

// ---- Activation, showing and sizing ----

void TbsSkinFrame::ActivationChanged()
{
    const bool active = form_->isActiveWindow();
    if (active == formActive_)
        return;
    formActive_ = active;
    frameStrips_.reset();
    HideGlow();
    if (!active && capturedIndex_ < 0)
        SetHotObject(-1);
    for (const auto& object : objects_)
        if (auto* button = dynamic_cast<TbsSkinButtonObject*>(object.get()); button && !button->HasMenu())
            button->Down = false;
    RepaintFrame();
    if (active)
        Fire(&TbsSkinFrame::OnActivate);
    else
        Fire(&TbsSkinFrame::OnDeActivate);
}

void TbsSkinFrame::Shown()
{
    if (!shownOnce_) {
        shownOnce_ = true;
        PlaceOnFirstShow();
    }
    if (!skinnable_ || !WindowOpacityAvailable())
        return;
    const FadePlan plan = FormFadeIn::Plan(alphaBlend_, alphaBlendAnimation_, alphaBlendValue_,
                                           skinData_ && skinData_->AnimationForAllWindows());
    fade_.Start(plan);
}

void TbsSkinFrame::Sized()
{
    if (!DrawsChrome())
        return;
    UpdateGeometry();
    RepaintFrame();
}
