#include "skincontrols/TbsSkinEdit.h"

#include "skin/TbsDataSkinEditControl.h"
#include "skin/TbsSkinData.h"
#include "skinui/CellHeightFont.h"

#include <QEnterEvent>
#include <QLineEdit>
#include <QPainter>

TbsSkinEdit::TbsSkinEdit(QWidget* parent)
    : TControl(parent), link_(this, [this] { skin_ = EditSkin(); }, [this] { SkinChanged(); }),
      skinDataName_(QStringLiteral("edit")), editor_(new QLineEdit(this))
{
    editor_->setObjectName(QStringLiteral("Editor"));
    editor_->setFrame(false);
    editor_->installEventFilter(this);
    setFocusProxy(editor_);
    setFocusPolicy(Qt::StrongFocus);
    resize(121, 24);
    ApplyLook();
}

void TbsSkinEdit::SetSkinData(TbsSkinData* store)
{
    if (store == SkinData())
        return;
    link_.SetStore(store);
    // A store that is still empty has no skin to read yet: its load will say so.
    if (!store || store->IsEmpty())
        SkinChanged();
}

void TbsSkinEdit::SetSkinDataName(const QString& name)
{
    if (name == skinDataName_)
        return;
    skinDataName_ = name;
    SkinChanged();
}

QString TbsSkinEdit::Text() const
{
    return editor_->text();
}

void TbsSkinEdit::SetText(const QString& text)
{
    editor_->setText(text);
}

bool TbsSkinEdit::PasswordMode() const
{
    return editor_->echoMode() == QLineEdit::Password;
}

void TbsSkinEdit::SetPasswordMode(bool password)
{
    editor_->setEchoMode(password ? QLineEdit::Password : QLineEdit::Normal);
}

void TbsSkinEdit::SelectAll()
{
    editor_->selectAll();
}

EditState TbsSkinEdit::State() const
{
    EditState state;
    state.setFlag(EditStateFlag::Enabled, isEnabled());
    state.setFlag(EditStateFlag::Hot, hot_);
    state.setFlag(EditStateFlag::Focused, editor_->hasFocus());
    return state;
}

void TbsSkinEdit::SkinChanged()
{
    const auto* object = link_.Find<TbsDataSkinEditControl>(skinDataName_);
    skin_ = object ? EditSkin::Read(*SkinData(), object) : EditSkin();
    ApplyLook();
}

void TbsSkinEdit::ApplyLook()
{
    editor_->setGeometry(EditTextRect(skin_, size()));
    editor_->setFont(skin_.valid ? skin_.font : FontWithCellHeight(QStringLiteral("Arial"), 14));
    QPalette colours = editor_->palette();
    colours.setColor(QPalette::Base, Qt::transparent);
    colours.setColor(QPalette::Text, EditTextColor(skin_, State()));
    editor_->setPalette(colours);
    update();
}

void TbsSkinEdit::SetHot(bool hot)
{
    if (hot == hot_)
        return;
    hot_ = hot;
    ApplyLook();
}

bool TbsSkinEdit::event(QEvent* event)
{
    return link_.HandleEvent(event) || TControl::event(event);
}

bool TbsSkinEdit::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == editor_ && (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut))
        ApplyLook();
    return TControl::eventFilter(watched, event);
}

void TbsSkinEdit::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    PaintEdit(painter, skin_, size(), State());
}

void TbsSkinEdit::resizeEvent(QResizeEvent* event)
{
    TControl::resizeEvent(event);
    ApplyLook();
}

void TbsSkinEdit::changeEvent(QEvent* event)
{
    TControl::changeEvent(event);
    if (event->type() == QEvent::EnabledChange)
        ApplyLook();
}

void TbsSkinEdit::enterEvent(QEnterEvent* event)
{
    TControl::enterEvent(event);
    SetHot(true);
}

void TbsSkinEdit::leaveEvent(QEvent* event)
{
    TControl::leaveEvent(event);
    SetHot(false);
}
