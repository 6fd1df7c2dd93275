// The frame's construction, its properties, the skin change and the frame's shape.
#include "skinframe/TbsSkinFrame.h"

#include "framework/TApplicationEvents.h"
#include "platform/NotificationIcon.h"
#include "platform/ScreenWindowManager.h"
#include "skin/SkinResourceString.h"
#include "skin/TbsSkinData.h"
#include "skin/TbsSkinFormRegistry.h"
#include "skin/TbsSkinMessageEvent.h"
#include "skinframe/FrameObjectLayout.h"
#include "skinframe/FrameSizeLimits.h"
#include "skinframe/TbsSkinAnimateObject.h"
#include "skinframe/TbsSkinCaptionObject.h"
#include "skinframe/TbsSkinStdButtonObject.h"
#include "skincontrols/TbsSkinMenu.h"
#include "framework/TMenuItem.h"
#include "skinui/CellHeightFont.h"
#include "skinui/RegionBuilder.h"

#include <QApplication>
#include <QShortcut>
#include <QStyle>
#include <QWidget>

namespace {

constexpr int kTrackInterval = 50;
constexpr int kMorphInterval = 25;

QFont DefaultCaptionFont()
{
    QFont font = FontWithCellHeight(QStringLiteral("Arial"), 14);
    font.setBold(true);
    return font;
}

// The hint keys of a caption button: its own and the one of its restore look.
const char* HintKey(TbsSkinCommand command)
{
    switch (command) {
    case TbsSkinCommand::Close: return "CLOSEBUTTON_HINT";
    case TbsSkinCommand::Maximize: return "MAXBUTTON_HINT";
    case TbsSkinCommand::Minimize: return "MINBUTTON_HINT";
    case TbsSkinCommand::SysMenu: return "MENUBUTTON_HINT";
    case TbsSkinCommand::RollUp: return "ROLLUPBUTTON_HINT";
    case TbsSkinCommand::MinimizeToTray: return "TRAYBUTTON_HINT";
    case TbsSkinCommand::Default: break;
    }
    return nullptr;
}

// The small icon a system-menu button shows the form's icon at.
QSize SmallIconSize()
{
    const int side = QApplication::style()->pixelMetric(QStyle::PM_SmallIconSize);
    return QSize(side, side);
}

}  // namespace

TbsSkinFrame::TbsSkinFrame(QWidget* form, TFormBorderStyle style, WindowManager* windows)
    : QObject(form),
      form_(form),
      ownWindows_(windows ? nullptr : std::make_unique<ScreenWindowManager>()),
      windows_(windows ? *windows : *ownWindows_),
      borderStyle_(style),
      defCaptionFont_(DefaultCaptionFont()),
      fade_(form),
      glow_(nullptr, true)
{
    setObjectName(QStringLiteral("bsSkinFrame"));
    TbsSkinFormRegistry::Instance().Register(form);
    form->installEventFilter(this);
    trackTimer_.setInterval(kTrackInterval);
    connect(&trackTimer_, &QTimer::timeout, this, [this] { TrackTick(); });
    morphTimer_.setInterval(kMorphInterval);
    connect(&morphTimer_, &QTimer::timeout, this, [this] { MorphTick(); });
    skinMenu_ = new TbsSkinMenu(form, this);
    connect(skinMenu_, &TbsSkinMenu::OnSkinMenuOpen, this, [this] { Fire(&TbsSkinFrame::OnSkinMenuOpen); });
    connect(skinMenu_, &TbsSkinMenu::OnSkinMenuClose, this, [this] { Fire(&TbsSkinFrame::OnSkinMenuClose); });
    systemMenu_ = new TMenuItem(this);
    systemMenuKey_ = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Space), form);
    systemMenuKey_->setContext(Qt::WindowShortcut);
    connect(systemMenuKey_, &QShortcut::activated, this, [this] { ShortCut(systemMenuKey_->key()); });
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

void TbsSkinFrame::SetSkinData(TbsSkinData* store)
{
    skinData_ = store;
    if (store)
        skinnable_ = store->SkinnableForm();
    UpdateMenuStore();
    SkinChange();
}

void TbsSkinFrame::SetBorderStyle(TFormBorderStyle style)
{
    if (borderStyle_ == style)
        return;
    borderStyle_ = style;
    SkinChange();
}

void TbsSkinFrame::SetBorderIcons(TbsBorderIcons icons)
{
    if (borderIcons_ == icons)
        return;
    borderIcons_ = icons;
    SkinChange();
}

void TbsSkinFrame::SetHideCaptionButtons(bool hide)
{
    if (hideCaptionButtons_ == hide)
        return;
    hideCaptionButtons_ = hide;
    SkinChange();
}

void TbsSkinFrame::SetDisableSystemMenu(bool disable)
{
    if (disableSystemMenu_ == disable)
        return;
    disableSystemMenu_ = disable;
    SkinChange();
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
    defCaptionFont_ = font;
    RepaintFrame();
}

void TbsSkinFrame::SetTrayIcon(NotificationIcon* icon)
{
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
    ApplySizeLimits();
}

bool TbsSkinFrame::DrawsChrome() const
{
    return skinnable_ && borderStyle_ != TFormBorderStyle::bsNone;
}

TbsActiveSkinObject* TbsSkinFrame::FindObject(const QString& name) const
{
    for (const auto& object : objects_)
        if (object->Name == name)
            return object.get();
    return nullptr;
}

TbsActiveSkinObject* TbsSkinFrame::HotObject() const
{
    return hotIndex_ >= 0 ? objects_[size_t(hotIndex_)].get() : nullptr;
}

bool TbsSkinFrame::Resizable() const
{
    return alwaysResize_ || borderStyle_ == TFormBorderStyle::bsSizeable
        || borderStyle_ == TFormBorderStyle::bsSizeToolWin;
}

QSize TbsSkinFrame::MinimumSize() const
{
    FrameSizeInput in;
    in.skinned = skinLoaded_;
    if (skinLoaded_) {
        in.picture = skinData_->FramePicture().size();
        in.clientRect = skinData_->FormInfo().clientrect;
        in.formMinWidth = skinData_->FormInfo().formminwidth;
    }
    in.minWidth = minWidth_;
    in.minHeight = minHeight_;
    in.minimized = windowState_ == TbsFrameWindowState::Minimized;
    in.rolledUp = rolledUp_;
    in.borderStyle = borderStyle_;
    return FrameMinimumSize(in);
}

QSize TbsSkinFrame::MaximumSize() const
{
    FrameSizeInput in;
    in.maxWidth = maxWidth_;
    in.maxHeight = maxHeight_;
    in.screenArea = windows_.ScreenArea(form_, !maximizeOnFullScreen_).size();
    return FrameMaximumSize(in);
}

bool TbsSkinFrame::BelowMinimum() const
{
    const QSize minimum = MinimumSize();
    return form_->width() < minimum.width() || form_->height() < minimum.height();
}

// ---- The skin change ----

void TbsSkinFrame::SkinChange()
{
    ClearObjects();
    HideGlow();
    skinLoaded_ = skinData_ && !skinData_->IsEmpty() && !skinData_->FramePicture().isNull();
    if (DrawsChrome())
        objects_ = skinLoaded_ ? CreateFrameObjects(*this, *skinData_)
                               : CreateDefaultButtons(*this, borderIcons_, borderStyle_);
    ApplyBorderIcons();
    ApplyWindowFlags();
    ApplySizeLimits();
    if (DrawsChrome()) {
        // The frame follows the pointer over its borders without a button down.
        form_->setMouseTracking(true);
        EnsureMinimumSize();
    }
    UpdateGeometry();
    RepaintFrame();
    Fire(&TbsSkinFrame::OnChangeSkinData);
    if (DrawsChrome() && !rolledUp_ && (clientWidth_ > 0 || clientHeight_ > 0)) {
        const QMargins borders = geometry_.Borders();
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

void TbsSkinFrame::ApplyWindowFlags()
{
    if (borderStyle_ == TFormBorderStyle::bsNone)
        return;
    Qt::WindowFlags wanted = form_->windowFlags();
    wanted.setFlag(Qt::FramelessWindowHint, skinnable_);
    if (wanted == form_->windowFlags())
        return;
    const bool visible = form_->isVisible();
    form_->setWindowFlags(wanted);
    if (visible)
        form_->show();
}

bool TbsSkinFrame::CommandOffered(TbsSkinCommand command) const
{
    switch (command) {
    case TbsSkinCommand::Close: return true;
    case TbsSkinCommand::Maximize: return borderIcons_.testFlag(biMaximize);
    case TbsSkinCommand::Minimize: return borderIcons_.testFlag(biMinimize);
    case TbsSkinCommand::SysMenu: return borderIcons_.testFlag(biSystemMenu) && !disableSystemMenu_;
    case TbsSkinCommand::RollUp: return borderIcons_.testFlag(biRollUp);
    case TbsSkinCommand::MinimizeToTray: return borderIcons_.testFlag(biMinimizeToTray);
    case TbsSkinCommand::Default: break;
    }
    return false;
}

void TbsSkinFrame::ApplyBorderIcons()
{
    for (const auto& object : objects_) {
        TbsSkinCommand command;
        if (auto* button = dynamic_cast<TbsSkinStdButtonObject*>(object.get()))
            command = button->Command;
        else if (auto* animate = dynamic_cast<TbsSkinAnimateObject*>(object.get()))
            command = animate->Command;
        else
            continue;
        bool active = !hideCaptionButtons_ && CommandOffered(command);
        if (command == TbsSkinCommand::Default && !hideCaptionButtons_) {
            active = false;
            TApplicationEvents::CallHook(OnActivateCustomObject, object->Name, active);
            object->Visible = active;
        } else {
            object->Visible = active || !object->SkinRectInAPicture;
        }
        object->Active = active;
    }
    RefreshHints();
}

void TbsSkinFrame::RefreshHints()
{
    const TbsSkinData* store = skinData_;
    for (const auto& object : objects_) {
        auto* button = dynamic_cast<TbsSkinStdButtonObject*>(object.get());
        if (!button)
            continue;
        if (const char* key = HintKey(button->Command))
            button->Hint = SkinResourceString(store, QLatin1String(key));
        if (button->Command == TbsSkinCommand::Maximize || button->Command == TbsSkinCommand::Minimize
            || button->Command == TbsSkinCommand::RollUp)
            button->RestoreHint = SkinResourceString(store, QStringLiteral("RESTORE_HINT"));
    }
}

void TbsSkinFrame::ApplySizeLimits()
{
    if (!DrawsChrome()) {
        // Limits the frame set go with its chrome; a form's own limits stay.
        if (limitsApplied_) {
            form_->setMinimumSize(0, 0);
            form_->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        }
        limitsApplied_ = false;
        return;
    }
    limitsApplied_ = true;
    const QSize minimum = MinimumSize();
    form_->setMinimumSize(minimum);
    form_->setMaximumSize(MaximumSize().expandedTo(minimum));
}

void TbsSkinFrame::EnsureMinimumSize()
{
    const QSize minimum = MinimumSize();
    QSize size = form_->size();
    if (rolledUp_ || windowState_ == TbsFrameWindowState::Minimized)
        size.setHeight(minimum.height());
    if (windowState_ == TbsFrameWindowState::Minimized)
        size.setWidth(minimum.width());
    form_->resize(size.expandedTo(minimum));
}

// ---- Geometry, object positions and region ----

void TbsSkinFrame::UpdateGeometry()
{
    frameStrips_.reset();
    if (!DrawsChrome()) {
        // A form without border keeps the shape its program gives it.
        if (borderStyle_ != TFormBorderStyle::bsNone)
            form_->clearMask();
        masked_ = false;
        form_->setContentsMargins(0, 0, 0, 0);
        geometry_ = FrameGeometry();
        geometry_.form = form_->size();
        geometry_.grown.clRect = form_->rect();
        return;
    }
    if (skinLoaded_ && BelowMinimum())
        return;
    geometry_ = skinLoaded_ ? FrameGeometry::OfSkin(skinData_->FormInfo(), skinData_->FramePicture().size(),
                                                    form_->size())
                            : FrameGeometry::OfDefault(borderStyle_, form_->size());
    form_->setContentsMargins(geometry_.Borders());
    PositionObjects();
    UpdateRegion();
}

TbsSkinCaptionObject* TbsSkinFrame::CaptionObject() const
{
    for (const auto& object : objects_)
        if (auto* caption = dynamic_cast<TbsSkinCaptionObject*>(object.get()))
            return caption;
    return nullptr;
}

TbsSkinStdButtonObject* TbsSkinFrame::SystemMenuButton() const
{
    for (const auto& object : objects_)
        if (auto* button = dynamic_cast<TbsSkinStdButtonObject*>(object.get());
            button && button->Command == TbsSkinCommand::SysMenu)
            return button;
    return nullptr;
}

void TbsSkinFrame::PositionObjects()
{
    for (const auto& object : objects_)
        object->ObjectRect = skinLoaded_ ? GrownObjectRect(object->SkinRect, geometry_) : object->SkinRect;
    // The caption buttons in layout order, then the custom objects.
    const TbsSkinCommand order[] = {TbsSkinCommand::Close,  TbsSkinCommand::Maximize,       TbsSkinCommand::Minimize,
                                    TbsSkinCommand::RollUp, TbsSkinCommand::MinimizeToTray, TbsSkinCommand::Default};
    std::vector<std::pair<TbsSkinStdButtonObject*, FrameButtonSlot>> slots;
    for (const TbsSkinCommand command : order)
        for (const auto& object : objects_)
            if (auto* button = dynamic_cast<TbsSkinStdButtonObject*>(object.get()); button && button->Command == command)
                slots.push_back({button, {button->SkinRect.size(), button->Visible, {}, false}});
    TbsSkinStdButtonObject* menuButton = SystemMenuButton();
    FrameButtonSlot menuSlot;
    if (menuButton) {
        const bool icon = showIcon_ && menuButton->SkinRectInAPicture && !form_->windowIcon().isNull();
        menuSlot = {icon ? SmallIconSize() : menuButton->SkinRect.size(), menuButton->Visible, {}, false};
    }
    TbsSkinCaptionObject* caption = CaptionObject();
    FrameButtonLayout layout;
    for (auto& entry : slots)
        layout.buttons.push_back(&entry.second);
    layout.systemMenu = menuButton ? &menuSlot : nullptr;
    layout.caption = caption ? &caption->ObjectRect : nullptr;
    LayOutFrameButtons(geometry_, layout);
    for (auto& [button, slot] : slots)
        if (slot.placed)
            button->ObjectRect = slot.rect;
    if (menuButton && menuSlot.placed)
        menuButton->ObjectRect = menuSlot.rect;
}

void TbsSkinFrame::UpdateRegion()
{
    const QImage& mask = skinLoaded_ ? skinData_->FrameMask() : QImage();
    masked_ = false;
    if (mask.isNull()) {
        form_->clearMask();
        return;
    }
    const TbsDataSkinFormInfo& info = skinData_->FormInfo();
    NinePieceGeometry maskGeometry = geometry_.skin;
    maskGeometry.clRect = info.maskrectarea;
    NinePieceGeometry grown = geometry_.grown;
    grown.clRect = geometry_.maskRect;
    const std::optional<QRegion> region =
        BuildFramedRegion(mask, maskGeometry, grown, geometry_.form.width(), &maskStrips_);
    if (!region) {
        form_->clearMask();
        return;
    }
    masked_ = true;
    form_->setMask(*region);
}

void TbsSkinFrame::RepaintFrame()
{
    if (form_)
        form_->update();
}

// ---- Skin notifications ----

void TbsSkinFrame::ForwardSkinMessage(TbsSkinMessageEvent& event)
{
    // The form's own controls, not those of other forms it happens to own.
    QList<QWidget*> pending{form_};
    while (!pending.isEmpty()) {
        QWidget* parent = pending.takeFirst();
        for (QObject* child : parent->children()) {
            auto* widget = qobject_cast<QWidget*>(child);
            if (!widget || widget->isWindow())
                continue;
            TbsSkinMessageEvent copy(event.Message(), event.Store(), event.Param());
            QCoreApplication::sendEvent(widget, &copy);
            pending.append(widget);
        }
    }
}

void TbsSkinFrame::HandleSkinMessage(TbsSkinMessageEvent& event)
{
    const bool ours = skinData_ && event.Store() == skinData_;
    switch (event.Message()) {
    case TbsSkinMessageEvent::SkinChangeBegin:
        if (!ours)
            return;
        painting_ = false;
        trackTimer_.stop();
        morphTimer_.stop();
        ClearObjects();
        objects_.clear();
        ForwardSkinMessage(event);
        Fire(&TbsSkinFrame::OnBeforeChangeSkinData);
        return;
    case TbsSkinMessageEvent::SkinChanged:
        painting_ = true;
        if (ours)
            SkinChange();
        ForwardSkinMessage(event);
        return;
    case TbsSkinMessageEvent::SkinChangeEnd:
        Fire(&TbsSkinFrame::OnAfterChangeSkinData);
        return;
    case TbsSkinMessageEvent::ResourceStringsChanged:
        RefreshHints();
        return;
    case TbsSkinMessageEvent::SkinnableFormChanged:
        if (ours)
            SetSkinnable(skinData_->SkinnableForm());
        return;
    default:
        return;
    }
}
