#include "skincontrols/TbsSkinButton.h"

#include "framework/TApplicationEvents.h"
#include "framework/TTimer.h"
#include "skin/TbsDataSkinButtonControl.h"
#include "skinui/CaptionAccelerator.h"

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QPainter>

namespace {
// The pause before a held button in repeat mode starts clicking.
constexpr int kRepeatFirstWait = 500;

bool IsEnterKey(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}
}  // namespace

TbsSkinButton::TbsSkinButton(QWidget* parent) : TbsSkinCustomControl(parent), repeatTimer_(new TTimer(this))
{
    SetSkinDataName(QStringLiteral("button"));
    SetPlainClicks(false);
    setFocusPolicy(Qt::StrongFocus);
    resize(75, 25);
    repeatTimer_->setObjectName(QStringLiteral("RepeatTimer"));
    connect(repeatTimer_, &TTimer::OnTimer, this, [this] { RepeatTick(); });
    // Focus moving inside this window, or leaving it for nowhere, decides the active default.
    focusWatch_ = connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget* now) {
        if ((now && now->window() == window()) || (!now && old && old->window() == window()))
            FocusMoved(now);
    });
}

TbsSkinButton::~TbsSkinButton()
{
    // The widget's own destruction moves the focus away; this part is gone by then.
    disconnect(focusWatch_);
}

template <class Field>
void TbsSkinButton::SetFaceField(Field ButtonFace::*field, const Field& value)
{
    if (face_.*field == value)
        return;
    face_.*field = value;
    update();
}

void TbsSkinButton::SetCaption(const QString& caption)
{
    SetFaceField(&ButtonFace::caption, caption);
}

void TbsSkinButton::SetDefault(bool isDefault)
{
    if (isDefault == default_)
        return;
    default_ = isDefault;
    FocusMoved(window()->focusWidget());
}

void TbsSkinButton::SetCanFocused(bool canFocused)
{
    if (canFocused == canFocused_)
        return;
    canFocused_ = canFocused;
    setFocusPolicy(canFocused ? Qt::StrongFocus : Qt::NoFocus);
}

void TbsSkinButton::SetUseSkinFontColor(bool use)
{
    SetFaceField(&ButtonFace::useSkinFontColor, use);
}

void TbsSkinButton::SetGroupIndex(int index)
{
    if (index == groupIndex_)
        return;
    groupIndex_ = index;
    if (index == 0)
        groupDown_ = false;
    update();
}

void TbsSkinButton::SetDown(bool down)
{
    if (groupIndex_ == 0)
        down = false;
    if (down == groupDown_ || (groupDown_ && !allowAllUp_))
        return;
    groupDown_ = down;
    if (down)
        ReleaseGroup();
    update();
}

void TbsSkinButton::ReleaseGroup()
{
    for (auto* other : parentWidget() ? parentWidget()->findChildren<TbsSkinButton*>(Qt::FindDirectChildrenOnly)
                                      : QList<TbsSkinButton*>()) {
        if (other != this && other->groupIndex_ == groupIndex_ && other->groupDown_) {
            other->groupDown_ = false;
            other->update();
        }
    }
}

void TbsSkinButton::SetGlyph(const QImage& glyph)
{
    SetFaceField(&ButtonFace::glyph, glyph);
}

void TbsSkinButton::SetNumGlyphs(int count)
{
    SetFaceField(&ButtonFace::numGlyphs, qMax(1, count));
}

void TbsSkinButton::SetImageList(const QList<QPixmap>& images)
{
    face_.images = images;
    update();
}

void TbsSkinButton::SetImageIndex(int index)
{
    SetFaceField(&ButtonFace::imageIndex, index);
}

void TbsSkinButton::SetMargin(int margin)
{
    SetFaceField(&ButtonFace::margin, margin);
}

void TbsSkinButton::SetSpacing(int spacing)
{
    SetFaceField(&ButtonFace::spacing, spacing);
}

void TbsSkinButton::SetLayout(TbsButtonLayout layout)
{
    SetFaceField(&ButtonFace::layout, layout);
}

ButtonState TbsSkinButton::State() const
{
    ButtonState state;
    state.setFlag(ButtonStateFlag::Enabled, isEnabled());
    state.setFlag(ButtonStateFlag::Hot, hot_);
    state.setFlag(ButtonStateFlag::Down, pressed_ || groupDown_);
    state.setFlag(ButtonStateFlag::Focused, canFocused_ && hasFocus());
    state.setFlag(ButtonStateFlag::Grouped, groupIndex_ != 0);
    state.setFlag(ButtonStateFlag::MouseHeld, mouseHeld_);
    state.setFlag(ButtonStateFlag::ActiveDefault, activeDefault_);
    return state;
}

TbsButtonLook TbsSkinButton::Look() const
{
    return ButtonLookIn(CustomSkin(), skin_, State());
}

void TbsSkinButton::Click()
{
    const QPointer<TbsSkinButton> alive(this);
    if (canFocused_)
        EndModal();
    if (alive)
        TApplicationEvents::Guard([this] { Q_EMIT OnClick(this); });
}

void TbsSkinButton::EndModal()
{
    auto* dialog = qobject_cast<QDialog*>(window());
    if (!dialog)
        return;
    if (modalResult_ != 0 && dialog->isModal())
        dialog->done(modalResult_);
    else
        dialog->setResult(modalResult_);
}

void TbsSkinButton::Trigger()
{
    if (groupIndex_ != 0)
        SetDown(allowAllUp_ ? !groupDown_ : true);
    Click();
}

void TbsSkinButton::FocusMoved(QWidget* focused)
{
    const bool active = qobject_cast<TbsSkinButton*>(focused) ? focused == this : default_;
    if (active == activeDefault_)
        return;
    activeDefault_ = active;
    update();
}

bool TbsSkinButton::CanTakeFocus() const
{
    return isEnabled() && isVisible() && focusPolicy() != Qt::NoFocus;
}

bool TbsSkinButton::HandleDialogKey(const QKeyEvent& key)
{
    bool clicks = false;
    if (IsEnterKey(key.key())) {
        clicks = activeDefault_ && isEnabled() && isVisible();
    } else if (key.key() == Qt::Key_Escape) {
        clicks = cancel_ && !key.modifiers().testFlag(Qt::ShiftModifier) && CanTakeFocus();
    } else {
        const Qt::KeyboardModifiers extra = key.modifiers() & ~(Qt::AltModifier | Qt::ShiftModifier | Qt::KeypadModifier);
        clicks = !key.text().isEmpty() && extra == Qt::NoModifier && IsAcceleratorOf(key.text().at(0), face_.caption)
                 && CanTakeFocus();
        if (clicks)
            setFocus(Qt::ShortcutFocusReason);
    }
    if (clicks)
        Click();
    return clicks;
}

bool TbsSkinButton::eventFilter(QObject* watched, QEvent* event)
{
    // Keys reach the window when the focused control did not use them.
    if (watched == keyWindow_ && event->type() == QEvent::KeyPress)
        return HandleDialogKey(*static_cast<QKeyEvent*>(event));
    return TbsSkinCustomControl::eventFilter(watched, event);
}

void TbsSkinButton::showEvent(QShowEvent* event)
{
    TbsSkinCustomControl::showEvent(event);
    if (keyWindow_ != window()) {
        if (keyWindow_)
            keyWindow_->removeEventFilter(this);
        keyWindow_ = window();
        keyWindow_->installEventFilter(this);
    }
    FocusMoved(window()->focusWidget());
}

void TbsSkinButton::changeEvent(QEvent* event)
{
    TbsSkinCustomControl::changeEvent(event);
    if (event->type() != QEvent::EnabledChange)
        return;
    hot_ = false;
    pressed_ = false;
    mouseHeld_ = false;
    repeatTimer_->SetEnabled(false);
    update();
}

void TbsSkinButton::SetHot(bool hot)
{
    if (hot == hot_)
        return;
    hot_ = hot;
    update();
}

void TbsSkinButton::enterEvent(QEnterEvent* event)
{
    SetHot(true);
    TbsSkinCustomControl::enterEvent(event);
}

void TbsSkinButton::leaveEvent(QEvent* event)
{
    SetHot(false);
    TbsSkinCustomControl::leaveEvent(event);
}

void TbsSkinButton::PressByMouse()
{
    if (canFocused_ && !hasFocus())
        setFocus(Qt::MouseFocusReason);
    mouseHeld_ = true;
    pressed_ = true;
    hot_ = true;
    update();
    if (repeatMode_) {
        repeatTimer_->SetInterval(kRepeatFirstWait);
        repeatTimer_->SetEnabled(true);
    }
}

void TbsSkinButton::RepeatTick()
{
    repeatTimer_->SetInterval(repeatInterval_);
    if (pressed_ && hot_)
        Click();
}

void TbsSkinButton::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        PressByMouse();
    TbsSkinCustomControl::mousePressEvent(event);
}

void TbsSkinButton::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        PressByMouse();
    TbsSkinCustomControl::mouseDoubleClickEvent(event);
}

void TbsSkinButton::mouseMoveEvent(QMouseEvent* event)
{
    // While a button is held the pointer is ours even outside; it is hot only over the button.
    if (mouseHeld_)
        SetHot(rect().contains(event->position().toPoint()));
    TbsSkinCustomControl::mouseMoveEvent(event);
}

void TbsSkinButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && mouseHeld_) {
        repeatTimer_->SetEnabled(false);
        mouseHeld_ = false;
        const bool wasDown = pressed_;
        pressed_ = false;
        hot_ = rect().contains(event->position().toPoint());
        update();
        const QPointer<TbsSkinButton> alive(this);
        if (hot_ && wasDown)
            Trigger();
        if (!alive)
            return;
    }
    TbsSkinCustomControl::mouseReleaseEvent(event);
}

void TbsSkinButton::keyPressEvent(QKeyEvent* event)
{
    if (canFocused_ && event->key() == Qt::Key_Space && !event->isAutoRepeat()) {
        pressed_ = true;
        update();
        return;
    }
    if (canFocused_ && IsEnterKey(event->key())) {
        Trigger();
        return;
    }
    TbsSkinCustomControl::keyPressEvent(event);
}

void TbsSkinButton::keyReleaseEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat() && pressed_ && !mouseHeld_) {
        pressed_ = false;
        update();
        Trigger();
        return;
    }
    TbsSkinCustomControl::keyReleaseEvent(event);
}

void TbsSkinButton::focusInEvent(QFocusEvent* event)
{
    TbsSkinCustomControl::focusInEvent(event);
    update();
}

void TbsSkinButton::focusOutEvent(QFocusEvent* event)
{
    TbsSkinCustomControl::focusOutEvent(event);
    if (!mouseHeld_)
        pressed_ = false;
    update();
}

const TbsDataSkinCustomControl* TbsSkinButton::FindSkinObject() const
{
    return SkinObject<TbsDataSkinButtonControl>();
}

void TbsSkinButton::GetSkinData()
{
    TbsSkinCustomControl::GetSkinData();
    const auto* object = SkinIndex() >= 0 ? SkinObject<TbsDataSkinButtonControl>() : nullptr;
    skin_ = object ? ButtonSkin::Read(*object) : ButtonSkin();
}

ButtonFace TbsSkinButton::Face() const
{
    ButtonFace face = face_;
    static_cast<ControlFontSettings&>(face) = FontSettings();
    return face;
}

void TbsSkinButton::Paint(QPainter& painter)
{
    PaintButton(painter, size(), CustomSkin(), skin_, Face(), State(), OnPaint);
}

void TbsSkinButton::PaintPlain(QPainter& painter)
{
    Paint(painter);
}

void TbsSkinButton::PaintSkinned(QPainter& painter)
{
    Paint(painter);
}
