#include "skincontrols/TbsSkinCheckBox.h"

#include "framework/TApplicationEvents.h"
#include "skin/TbsDataSkinCheckRadioControl.h"
#include "skin/TbsSkinData.h"

#include <QKeyEvent>
#include <QPainter>

TbsSkinCheckBox::TbsSkinCheckBox(QWidget* parent)
    : TControl(parent), link_(this, [this] { skin_ = CheckBoxSkin(); }, [this] { SkinChanged(); }),
      skinDataName_(QStringLiteral("checkbox"))
{
    SetPlainClicks(false);
    setFocusPolicy(Qt::StrongFocus);
    resize(121, 17);
}

void TbsSkinCheckBox::SetSkinData(TbsSkinData* store)
{
    if (store == SkinData())
        return;
    link_.SetStore(store);
    // A store that is still empty has no skin to read yet: its load will say so.
    if (!store || store->IsEmpty())
        SkinChanged();
}

void TbsSkinCheckBox::SetSkinDataName(const QString& name)
{
    if (name == skinDataName_)
        return;
    skinDataName_ = name;
    SkinChanged();
}

void TbsSkinCheckBox::SetCaption(const QString& caption)
{
    if (caption == caption_)
        return;
    caption_ = caption;
    update();
}

void TbsSkinCheckBox::SetChecked(bool checked)
{
    SetFlag(checked_, checked);
}

CheckBoxState TbsSkinCheckBox::State() const
{
    CheckBoxState state;
    state.setFlag(CheckBoxStateFlag::Enabled, isEnabled());
    state.setFlag(CheckBoxStateFlag::Hot, hot_);
    state.setFlag(CheckBoxStateFlag::Down, down_);
    state.setFlag(CheckBoxStateFlag::Checked, checked_);
    state.setFlag(CheckBoxStateFlag::Focused, hasFocus());
    return state;
}

void TbsSkinCheckBox::SkinChanged()
{
    const auto* object = link_.Find<TbsDataSkinCheckRadioControl>(skinDataName_);
    skin_ = object ? CheckBoxSkin::Read(*SkinData(), object) : CheckBoxSkin();
    update();
}

void TbsSkinCheckBox::Toggle()
{
    SetChecked(!checked_);
    TApplicationEvents::Guard([this] { Q_EMIT OnClick(this); });
}

void TbsSkinCheckBox::SetFlag(bool& flag, bool value)
{
    if (flag == value)
        return;
    flag = value;
    update();
}

bool TbsSkinCheckBox::event(QEvent* event)
{
    return link_.HandleEvent(event) || TControl::event(event);
}

void TbsSkinCheckBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    PaintCheckBox(painter, skin_, size(), State(), caption_, font());
}

void TbsSkinCheckBox::enterEvent(QEnterEvent* event)
{
    TControl::enterEvent(event);
    SetFlag(hot_, true);
}

void TbsSkinCheckBox::leaveEvent(QEvent* event)
{
    TControl::leaveEvent(event);
    SetFlag(hot_, false);
}

void TbsSkinCheckBox::mousePressEvent(QMouseEvent* event)
{
    TControl::mousePressEvent(event);
    if (event->button() == Qt::LeftButton)
        SetFlag(down_, true);
}

void TbsSkinCheckBox::mouseReleaseEvent(QMouseEvent* event)
{
    TControl::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton || !down_)
        return;
    SetFlag(down_, false);
    if (rect().contains(event->position().toPoint()))
        Toggle();
}

void TbsSkinCheckBox::keyPressEvent(QKeyEvent* event)
{
    if (event->key() != Qt::Key_Space || event->isAutoRepeat()) {
        TControl::keyPressEvent(event);
        return;
    }
    SetFlag(down_, true);
}

void TbsSkinCheckBox::keyReleaseEvent(QKeyEvent* event)
{
    if (event->key() != Qt::Key_Space || event->isAutoRepeat() || !down_) {
        TControl::keyReleaseEvent(event);
        return;
    }
    SetFlag(down_, false);
    Toggle();
}

void TbsSkinCheckBox::focusInEvent(QFocusEvent* event)
{
    TControl::focusInEvent(event);
    update();
}

void TbsSkinCheckBox::focusOutEvent(QFocusEvent* event)
{
    TControl::focusOutEvent(event);
    SetFlag(down_, false);
}
