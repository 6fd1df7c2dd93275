#include "skincontrols/TbsSkinButton.h"

#include "framework/TApplicationEvents.h"
#include "skin/TbsDataSkinButtonControl.h"
#include "skin/TbsSkinData.h"
#include "skinui/CaptionAccelerator.h"
#include "skinui/PlainFace.h"
#include "skinui/SkinColor.h"
#include "skinui/SkinFont.h"
#include "skinui/SkinGlyphs.h"

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

QColor ColorOf(int skinColor)
{
    return SkinColorToQColor(quint32(skinColor));
}
}  // namespace

TbsSkinButton::TbsSkinButton(QWidget* parent) : TbsSkinCustomControl(parent)
{
    SetSkinDataName(QStringLiteral("button"));
    SetPlainClicks(false);
    setFocusPolicy(Qt::StrongFocus);
    resize(75, 25);
    connect(&repeatTimer_, &QTimer::timeout, this, &TbsSkinButton::RepeatTick);
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

void TbsSkinButton::SetCaption(const QString& caption)
{
    if (caption == caption_)
        return;
    caption_ = caption;
    update();
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
    canFocused_ = canFocused;
    setFocusPolicy(canFocused ? Qt::StrongFocus : Qt::NoFocus);
}

void TbsSkinButton::SetUseSkinFontColor(bool use)
{
    if (use == useSkinFontColor_)
        return;
    useSkinFontColor_ = use;
    update();
}

void TbsSkinButton::SetGroupIndex(int index)
{
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
    glyph_ = glyph;
    update();
}

void TbsSkinButton::SetNumGlyphs(int count)
{
    numGlyphs_ = qMax(1, count);
    update();
}

void TbsSkinButton::SetImageList(const QList<QPixmap>* images)
{
    imageList_ = images;
    update();
}

void TbsSkinButton::SetImageIndex(int index)
{
    imageIndex_ = index;
    update();
}

void TbsSkinButton::SetMargin(int margin)
{
    margin_ = margin;
    update();
}

void TbsSkinButton::SetSpacing(int spacing)
{
    spacing_ = spacing;
    update();
}

void TbsSkinButton::SetLayout(TbsButtonLayout layout)
{
    layout_ = layout;
    update();
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
    const bool skinned = SkinIndex() >= 0;
    return ButtonLookOf(State(), skinned && !skin_.disabledRect.isEmpty(), skinned && !skin_.focusedRect.isEmpty());
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
        clicks = !key.text().isEmpty() && extra == Qt::NoModifier && IsAcceleratorOf(key.text().at(0), caption_)
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
    repeatTimer_.stop();
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
    if (repeatMode_)
        repeatTimer_.start(kRepeatFirstWait);
}

void TbsSkinButton::RepeatTick()
{
    repeatTimer_.setInterval(repeatInterval_);
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
        repeatTimer_.stop();
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
    if (!object)
        return;
    skin_.font = SkinFont(*object);
    skin_.normalColor = ColorOf(object->fontcolor);
    skin_.activeColor = ColorOf(object->activefontcolor);
    skin_.downColor = ColorOf(object->downfontcolor);
    // A disabled colour the same as the normal one would not show the state: grey instead.
    skin_.disabledColor = object->disabledfontcolor == object->fontcolor ? QColor(128, 128, 128)
                                                                          : ColorOf(object->disabledfontcolor);
    skin_.activeRect = object->activeskinrect.isEmpty() ? object->skinrect : object->activeskinrect;
    skin_.downRect = object->downskinrect.isEmpty() ? skin_.activeRect : object->downskinrect;
    skin_.focusedRect = object->focusedskinrect;
    skin_.disabledRect = object->disabledskinrect;
    skin_.showFocus = object->showfocus;
}

QRect TbsSkinButton::SkinSource(TbsButtonLook look) const
{
    switch (look) {
    case TbsButtonLook::Active: return skin_.activeRect;
    case TbsButtonLook::Down: return skin_.downRect;
    case TbsButtonLook::Focused: return skin_.focusedRect;
    case TbsButtonLook::Disabled: return skin_.disabledRect;
    case TbsButtonLook::Normal: break;
    }
    return SkinRect();
}

QColor TbsSkinButton::SkinTextColor(TbsButtonLook look) const
{
    if (!isEnabled())
        return skin_.disabledColor;
    if (!useSkinFontColor_)
        return DefaultFontColor();
    switch (look) {
    case TbsButtonLook::Down: return skin_.downColor;
    case TbsButtonLook::Active:
    case TbsButtonLook::Focused: return skin_.activeColor;
    case TbsButtonLook::Normal:
    case TbsButtonLook::Disabled: break;
    }
    return skin_.normalColor;
}

int TbsSkinButton::GlyphState(TbsButtonLook look) const
{
    if (look == TbsButtonLook::Down && numGlyphs_ >= 3)
        return 2;
    if (hot_ && numGlyphs_ >= 4)
        return 3;
    if (!isEnabled() && numGlyphs_ >= 2)
        return 1;
    return 0;
}

void TbsSkinButton::PaintPlain(QPainter& painter)
{
    const TbsButtonLook look = Look();
    const PlainFaceLook face = look == TbsButtonLook::Down     ? PlainFaceLook::Down
                               : look == TbsButtonLook::Normal ? PlainFaceLook::Normal
                                                               : PlainFaceLook::Hot;
    PaintPlainFace(painter, rect(), face);
    painter.setFont(DefaultFont());
    PaintContent(painter, rect(), look, isEnabled() ? DefaultFontColor() : SystemColor(SkinColor::kButtonShadow));
}

void TbsSkinButton::PaintSkinned(QPainter& painter)
{
    const TbsButtonLook look = Look();
    PaintSkinPicture(painter, SkinSource(look));
    const QRect skinClient = CurrentGeometry().clRect;
    const QRect client = skinClient.isEmpty() ? rect() : skinClient;
    const QColor color = SkinTextColor(look);
    painter.setFont(UseSkinFont() ? skin_.font : DefaultFont());
    if (skin_.showFocus && State().testFlag(ButtonStateFlag::Focused)) {
        painter.setPen(color);
        DrawDottedFocusRect(painter, client);
    }
    PaintContent(painter, client, look, color);
}

void TbsSkinButton::PaintContent(QPainter& painter, const QRect& client, TbsButtonLook look, const QColor& color)
{
    const bool down = look == TbsButtonLook::Down;
    const bool active = down || look == TbsButtonLook::Active || look == TbsButtonLook::Focused;
    painter.setPen(color);
    bool defaultPaint = true;
    if (TApplicationEvents::CallHook(OnPaint, &painter, defaultPaint, active, down, client) && !defaultPaint)
        return;
    GlyphSource glyph;
    if (imageList_ && imageIndex_ >= 0 && imageIndex_ < imageList_->size()) {
        glyph.imageList = imageList_;
        glyph.index = imageIndex_;
    } else {
        glyph.strip = glyph_;
        glyph.glyphCount = numGlyphs_;
        glyph.state = GlyphState(look);
    }
    GlyphCaptionFlags flags;
    flags.setFlag(GlyphCaptionFlag::Enabled, isEnabled());
    flags.setFlag(GlyphCaptionFlag::Down, down);
    DrawGlyphAndCaption(painter, client, margin_, spacing_, layout_, caption_, glyph, flags);
}
