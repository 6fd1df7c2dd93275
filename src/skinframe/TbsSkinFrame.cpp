#include "skinframe/TbsSkinFrame.h"

#include "framework/DoubleSizePicture.h"
#include "framework/TApplicationEvents.h"
#include "platform/NotificationIcon.h"
#include "platform/ScreenWindowManager.h"
#include "platform/WindowManager.h"
#include "skin/SkinResourceString.h"
#include "skin/TbsSkinData.h"
#include "skin/TbsSkinFormRegistry.h"
#include "skin/TbsSkinMessageEvent.h"
#include "skincontrols/TbsSkinMenu.h"
#include "skinframe/FrameHitTest.h"
#include "skinframe/FrameObjectFactory.h"
#include "skinframe/FramePainting.h"
#include "skinframe/FrameSystemMenu.h"
#include "skinframe/SkinMessageForwarding.h"
#include "skinui/CellHeightFont.h"
#include "skinui/CompositingProbe.h"

#include <QMouseEvent>
#include <QPainter>
#include <QShortcut>
#include <QWidget>

namespace {

QFont DefaultCaptionFont()
{
    QFont font = FontWithCellHeight(QStringLiteral("Arial"), 14);
    font.setBold(true);
    return font;
}

}  // namespace

TbsSkinFrame::TbsSkinFrame(QWidget* form, TFormBorderStyle style, WindowManager* windows)
    : QObject(form),
      form_(form),
      ownWindows_(windows ? nullptr : std::make_unique<ScreenWindowManager>()),
      windows_(windows ? *windows : *ownWindows_),
      borderStyle_(style),
      defCaptionFont_(DefaultCaptionFont()),
      shape_(form),
      window_(new FrameWindowState(form, windows_, [this] { return WindowSettings(); }, this)),
      mouse_(new FrameMouse(form, this)),
      fade_(form)
{
    setObjectName(QStringLiteral("bsSkinFrame"));
    TbsSkinFormRegistry::Instance().Register(form);
    form->installEventFilter(this);
    skinMenu_ = new TbsSkinMenu(form, this);
    connect(skinMenu_, &TbsSkinMenu::OnSkinMenuOpen, this, [this] { Fire(&TbsSkinFrame::OnSkinMenuOpen); });
    connect(skinMenu_, &TbsSkinMenu::OnSkinMenuClose, this, [this] { Fire(&TbsSkinFrame::OnSkinMenuClose); });
    systemMenu_ = new FrameSystemMenu(
        form, *skinMenu_, [this] { return SystemMenuItems(); },
        [this](SystemMenuCommand command) { RunSystemMenuCommand(command); }, this);
    systemMenuKey_ = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Space), form);
    systemMenuKey_->setContext(Qt::WindowShortcut);
    connect(systemMenuKey_, &QShortcut::activated, this, [this] { ShortCut(systemMenuKey_->key()); });
    ConnectPointer();
    ConnectWindowState();
    formActive_ = form->isActiveWindow();
    SkinChange();
}

TbsSkinFrame::~TbsSkinFrame()
{
    if (form_) {
        form_->removeEventFilter(this);
        delete systemMenuKey_;
    }
}

void TbsSkinFrame::ConnectPointer()
{
    mouse_->context = [this] { return MouseContext(); };
    mouse_->hitTest = [this](const QPoint& point) { return HitTest(point); };
    connect(mouse_, &FrameMouse::Command, this, [this](TbsSkinCommand command) { window_->RunCommand(command); });
    connect(mouse_, &FrameMouse::MenuBelow, systemMenu_, &FrameSystemMenu::OpenBelow);
    connect(mouse_, &FrameMouse::MenuAt, systemMenu_, &FrameSystemMenu::ShowAt);
    connect(mouse_, &FrameMouse::Drag, this, [this](int code) { windows_.BeginSystemDrag(form_, code); });
    connect(mouse_, &FrameMouse::CaptionDoubleClicked, this,
            [this] { window_->CaptionDoubleClick(Resizable(), borderIcons_.testFlag(biMaximize)); });
    connect(mouse_, &FrameMouse::CursorChanged, this, [this](int code) {
        if (code == HTCLIENT)
            form_->unsetCursor();
        else
            form_->setCursor(CursorOfHitCode(code));
    });
    connect(mouse_, &FrameMouse::ObjectMouseDown, this, &TbsSkinFrame::OnMouseDownEvent);
    connect(mouse_, &FrameMouse::ObjectMouseUp, this, &TbsSkinFrame::OnMouseUpEvent);
    connect(mouse_, &FrameMouse::ObjectMouseMove, this, &TbsSkinFrame::OnMouseMoveEvent);
    connect(mouse_, &FrameMouse::ObjectMouseEnter, this, &TbsSkinFrame::OnMouseEnterEvent);
    connect(mouse_, &FrameMouse::ObjectMouseLeave, this, &TbsSkinFrame::OnMouseLeaveEvent);
}

void TbsSkinFrame::ConnectWindowState()
{
    connect(window_, &FrameWindowState::Maximized, this, &TbsSkinFrame::OnMaximize);
    connect(window_, &FrameWindowState::Minimized, this, &TbsSkinFrame::OnMinimize);
    connect(window_, &FrameWindowState::Restored, this, &TbsSkinFrame::OnRestore);
    connect(window_, &FrameWindowState::RollUpChanged, this, &TbsSkinFrame::OnChangeRollUpState);
    connect(window_, &FrameWindowState::MinimizedToTray, this, &TbsSkinFrame::OnMinimizeToTray);
    connect(window_, &FrameWindowState::RestoredFromTray, this, &TbsSkinFrame::OnRestoreFromTray);
}

void TbsSkinFrame::Fire(void (TbsSkinFrame::*signal)())
{
    TApplicationEvents::Guard([&] { Q_EMIT(this->*signal)(); });
}

// ---- Properties ----

void TbsSkinFrame::SetSkinData(TbsSkinData* store)
{
    skinData_ = store;
    if (store)
        skinnable_ = store->SkinnableForm();
    SetMenusSkinData(menusSkinData_);
    SkinChange();
}

void TbsSkinFrame::SetMenusSkinData(TbsSkinData* store)
{
    menusSkinData_ = store;
    skinMenu_->SetFrameSkinData(menusSkinData_ ? menusSkinData_.data() : skinData_.data());
}

// Setters of what the skin change builds run it again when the value changes.
template <class Field>
void TbsSkinFrame::Rebuild(Field& field, const Field& value)
{
    if (field == value)
        return;
    field = value;
    SkinChange();
}

void TbsSkinFrame::SetBorderStyle(TFormBorderStyle style)
{
    Rebuild(borderStyle_, style);
}

void TbsSkinFrame::SetBorderIcons(TbsBorderIcons icons)
{
    Rebuild(borderIcons_, icons);
}

void TbsSkinFrame::SetHideCaptionButtons(bool hide)
{
    Rebuild(hideCaptionButtons_, hide);
}

void TbsSkinFrame::SetDisableSystemMenu(bool disable)
{
    Rebuild(disableSystemMenu_, disable);
}

void TbsSkinFrame::SetShowIcon(bool value)
{
    if (showIcon_ == value)
        return;
    showIcon_ = value;
    UpdateGeometry();
    RepaintFrame();
}

void TbsSkinFrame::SetDefCaptionFont(const QFont& font)
{
    if (font == defCaptionFont_)
        return;
    defCaptionFont_ = font;
    RepaintFrame();
}

void TbsSkinFrame::SetTrayIcon(NotificationIcon* icon)
{
    if (trayIcon_ == icon)
        return;
    if (trayIcon_)
        trayIcon_->disconnect(this);
    trayIcon_ = icon;
    if (icon)
        connect(icon, &NotificationIcon::OnDblClick, this, [this] { RestoreFromTray(); });
}

void TbsSkinFrame::SetSizeLimits(int minWidth, int minHeight, int maxWidth, int maxHeight)
{
    minWidth_ = minWidth;
    minHeight_ = minHeight;
    maxWidth_ = maxWidth;
    maxHeight_ = maxHeight;
    window_->ApplySizeLimits();
}

const TbsActiveSkinObject* TbsSkinFrame::FindObject(const QString& name) const
{
    for (const TbsActiveSkinObject& object : Objects())
        if (object.Name == name)
            return &object;
    return nullptr;
}

bool TbsSkinFrame::IsMainForm() const
{
    const QList<QObject*> forms = TbsSkinFormRegistry::Instance().Forms();
    return !forms.isEmpty() && forms.first() == form_;
}

FrameWindowSettings TbsSkinFrame::WindowSettings() const
{
    FrameWindowSettings settings;
    settings.chrome = DrawsChrome();
    FrameSizeInput& size = settings.size;
    size.skinned = skinLoaded_;
    if (skinLoaded_) {
        size.picture = skinData_->FramePicture().size();
        size.clientRect = skinData_->FormInfo().clientrect;
        size.formMinWidth = skinData_->FormInfo().formminwidth;
    }
    size.minWidth = minWidth_;
    size.minHeight = minHeight_;
    size.maxWidth = maxWidth_;
    size.maxHeight = maxHeight_;
    size.borderStyle = borderStyle_;
    settings.maximizeOnFullScreen = maximizeOnFullScreen_;
    settings.alwaysMinimizeToTray = alwaysMinimizeToTray_;
    settings.mainForm = IsMainForm();
    settings.rollUpOffered = borderIcons_.testFlag(biRollUp);
    const QMargins borders = Geometry().Borders();
    settings.unrolledHeight = clientHeight_ > 0 ? clientHeight_ + borders.top() + borders.bottom() : 0;
    settings.tray = trayIcon_;
    settings.alwaysShowInTray = alwaysShowInTray_;
    return settings;
}

FrameMouse::Context TbsSkinFrame::MouseContext() const
{
    FrameMouse::Context context;
    context.chrome = DrawsChrome();
    context.formActive = formActive_;
    context.windowState = window_->State();
    context.rolledUp = window_->RolledUp();
    context.disableSystemMenu = disableSystemMenu_;
    context.showHints = showObjectHint_;
    context.glowFrames = skinData_ && skinData_->ShowCaptionButtonGlowFrames();
    context.client = Geometry().ClientRect();
    return context;
}

// ---- The skin change ----

void TbsSkinFrame::SkinChange()
{
    mouse_->HideGlow();
    skinLoaded_ = skinData_ && !skinData_->IsEmpty() && !skinData_->FramePicture().isNull();
    FrameObjectList objects;
    if (DrawsChrome())
        objects = skinLoaded_ ? CreateFrameObjects(*skinData_) : CreateDefaultButtons(borderIcons_, borderStyle_);
    SetFrameButtonHints(objects, skinData_);
    mouse_->SetObjects(std::move(objects));
    // The hook may change the icons or the skin, which builds the objects anew.
    FrameButtonOffer offer;
    offer.icons = borderIcons_;
    offer.disableSystemMenu = disableSystemMenu_;
    offer.hideCaptionButtons = hideCaptionButtons_;
    OfferFrameButtons(mouse_->Objects(), offer, OnActivateCustomObject);
    shape_.SetFrameless(borderStyle_ != TFormBorderStyle::bsNone, skinnable_);
    window_->ApplySizeLimits();
    if (DrawsChrome()) {
        // The frame follows the pointer over its borders without a button down.
        form_->setMouseTracking(true);
        window_->EnsureMinimumSize();
    }
    UpdateGeometry();
    RepaintFrame();
    Fire(&TbsSkinFrame::OnChangeSkinData);
    if (DrawsChrome() && !window_->RolledUp() && (clientWidth_ > 0 || clientHeight_ > 0)) {
        const QMargins borders = Geometry().Borders();
        form_->resize(clientWidth_ > 0 ? clientWidth_ + borders.left() + borders.right() : form_->width(),
                      clientHeight_ > 0 ? clientHeight_ + borders.top() + borders.bottom() : form_->height());
    }
}

void TbsSkinFrame::SetSkinnable(bool skinnable)
{
    if (skinnable_ == skinnable)
        return;
    skinnable_ = skinnable;
    SkinChange();
}

void TbsSkinFrame::UpdateGeometry()
{
    if (!DrawsChrome()) {
        // A form without border keeps the shape its program gives it.
        shape_.Clear(borderStyle_ == TFormBorderStyle::bsNone);
        return;
    }
    if (skinLoaded_ && window_->BelowMinimum())
        return;
    shape_.Update(skinLoaded_ ? skinData_.data() : nullptr, borderStyle_, mouse_->Objects(), showIcon_);
}

void TbsSkinFrame::RepaintFrame()
{
    if (form_)
        form_->update();
}

int TbsSkinFrame::HitTest(const QPoint& point) const
{
    FrameHitState state;
    state.setFlag(FrameHitFlag::Maximized, window_->State() == TbsFrameWindowState::Maximized);
    state.setFlag(FrameHitFlag::Minimized, window_->State() == TbsFrameWindowState::Minimized);
    state.setFlag(FrameHitFlag::RolledUp, window_->RolledUp());
    state.setFlag(FrameHitFlag::Resizable, Resizable());
    state.setFlag(FrameHitFlag::HotObject, mouse_->Hot() >= 0);
    return shape_.HitTest(point, Objects(), state);
}

// ---- Skin notifications ----

void TbsSkinFrame::HandleSkinMessage(TbsSkinMessageEvent& event)
{
    const bool ours = skinData_ && event.Store() == skinData_;
    switch (event.Message()) {
    case TbsSkinMessageEvent::SkinChangeBegin:
        if (!ours)
            return;
        painting_ = false;
        mouse_->StopTimers();
        mouse_->SetObjects({});
        PassOnToControls(form_, event);
        Fire(&TbsSkinFrame::OnBeforeChangeSkinData);
        return;
    case TbsSkinMessageEvent::SkinChanged:
        painting_ = true;
        if (ours)
            SkinChange();
        PassOnToControls(form_, event);
        return;
    case TbsSkinMessageEvent::SkinChangeEnd:
        Fire(&TbsSkinFrame::OnAfterChangeSkinData);
        return;
    case TbsSkinMessageEvent::ResourceStringsChanged:
        SetFrameButtonHints(mouse_->Objects(), skinData_);
        return;
    case TbsSkinMessageEvent::SkinnableFormChanged:
        if (ours)
            SetSkinnable(skinData_->SkinnableForm());
        return;
    default:
        return;
    }
}

// ---- The form's events ----

bool TbsSkinFrame::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != form_)
        return false;
    bool consumed = false;
    TApplicationEvents::Guard([&] { consumed = FormEvent(event); });
    return consumed;
}

bool TbsSkinFrame::FormEvent(QEvent* event)
{
    if (int(event->type()) == TbsSkinMenu::CloseSkinMenuMessage) {
        MenuClosed();
        return false;
    }
    if (TbsSkinMessageEvent::IsSkinMessage(event)) {
        HandleSkinMessage(static_cast<TbsSkinMessageEvent&>(*event));
        return false;
    }
    CloseMenuOn(*event);
    switch (event->type()) {
    case QEvent::Paint: Paint(static_cast<QPaintEvent&>(*event)); return false;
    case QEvent::Resize: Sized(); return false;
    case QEvent::Show: Shown(); return false;
    case QEvent::Hide:
        fade_.Stop();
        mouse_->HideGlow();
        return false;
    case QEvent::ActivationChange: ActivationChanged(); return false;
    case QEvent::WindowIconChange:
        UpdateGeometry();
        RepaintFrame();
        return false;
    case QEvent::WindowTitleChange: RepaintFrame(); return false;
    case QEvent::MouseMove: return mouse_->Move(static_cast<QMouseEvent&>(*event));
    case QEvent::MouseButtonPress: return mouse_->Press(static_cast<QMouseEvent&>(*event));
    case QEvent::MouseButtonRelease: return mouse_->Release(static_cast<QMouseEvent&>(*event));
    case QEvent::MouseButtonDblClick: return mouse_->DoubleClick(static_cast<QMouseEvent&>(*event));
    case QEvent::Leave: mouse_->Leave(); return false;
    default: return false;
    }
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

void TbsSkinFrame::MenuClosed()
{
    systemMenu_->Closed();
    mouse_->MenuClosed();
}

// ---- Painting ----

FrameObjectPaint TbsSkinFrame::ObjectPaint() const
{
    FrameObjectPaint paint;
    paint.formActive = formActive_;
    paint.framePicture = skinLoaded_ ? &FormFramePicture(*skinData_, formActive_) : nullptr;
    paint.frameDoubleSize = skinLoaded_ ? &FormFrameDoubleSize(*skinData_, formActive_) : nullptr;
    paint.windowState = window_->State();
    paint.rolledUp = window_->RolledUp();
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
    PaintClientBackground(painter, skinData_, chrome ? Geometry().ClientRect() : form_->rect());
    if (!chrome)
        return;
    const FrameObjectPaint paint = ObjectPaint();
    if (!skinLoaded_)
        PaintDefaultFrame(painter, Geometry(), defCaptionFont_, Objects(), paint);
    else if (!window_->BelowMinimum())
        PaintSkinFrame(painter, shape_.Strips(*skinData_, formActive_, PaintingRatio(painter)), Geometry(), Objects(), paint);
}

// ---- Activation, showing and sizing ----

void TbsSkinFrame::ActivationChanged()
{
    const bool active = form_->isActiveWindow();
    if (active == formActive_)
        return;
    formActive_ = active;
    shape_.DropStrips();
    if (active)
        mouse_->HideGlow();
    else
        mouse_->Deactivated();
    RepaintFrame();
    Fire(active ? &TbsSkinFrame::OnActivate : &TbsSkinFrame::OnDeActivate);
}

void TbsSkinFrame::Shown()
{
    if (!shownOnce_) {
        shownOnce_ = true;
        if (positionInMonitor_ != TbsPositionInMonitor::bspDefault)
            window_->Centre(positionInMonitor_ == TbsPositionInMonitor::bspDesktopCenter);
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

// ---- The system menu ----

QList<SystemMenuItem> TbsSkinFrame::SystemMenuItems() const
{
    SystemMenuState state;
    state.windowState = window_->State();
    state.rolledUp = window_->RolledUp();
    state.icons = borderIcons_;
    return BuildSystemMenuItems(state, skinData_);
}

bool TbsSkinFrame::ShortCut(const QKeySequence& key)
{
    bool handled = false;
    TApplicationEvents::CallHook(OnShortCut, key, handled);
    if (handled || key != QKeySequence(Qt::ALT | Qt::Key_Space))
        return handled;
    const int index = FindFrameObject(Objects(), FrameObjectKind::StdButton, TbsSkinCommand::SysMenu);
    const TbsActiveSkinObject* button = index >= 0 ? &Objects()[size_t(index)] : nullptr;
    if (button && button->Active && button->Visible && DrawsChrome())
        systemMenu_->OpenBelow(button->ObjectRect);
    return true;
}
