#include "skincontrols/TbsSkinMenu.h"

#include "framework/TApplicationEvents.h"
#include "framework/TMenuItem.h"
#include "framework/TTimer.h"
#include "skin/TbsSkinData.h"
#include "skin/TbsSkinMessageEvent.h"
#include "skincontrols/TbsSkinPopupWindow.h"
#include "skinui/CellHeightFont.h"
#include "skinui/MenuPlacement.h"
#include "skinui/MonitorWorkArea.h"
#include "skinui/TbsPlatformCaps.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

#include <utility>

TbsSkinMenu::TbsSkinMenu(QWidget* form, QObject* parent)
    : QObject(parent ? parent : form), form_(form),
      defaultItemFont_(FontWithCellHeight(QStringLiteral("Arial"), 14)), waitTimer_(new TTimer(this))
{
    waitTimer_->setObjectName(QStringLiteral("WaitTimer"));
    waitTimer_->SetInterval(kWaitInterval);
    connect(waitTimer_, &TTimer::OnTimer, this, [this] { WaitElapsed(); });
    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
        if (state != Qt::ApplicationActive)
            CloseAll();
    });
}

TbsSkinMenu::~TbsSkinMenu()
{
    // No notifications from here: the form may be half destroyed.
    DismissLevels(0);
    LeaveMenuMode();
}

TbsSkinMenu* TbsSkinMenu::OfForm(const QWidget* form)
{
    if (!form)
        return nullptr;
    for (TbsSkinMenu* menu : form->findChildren<TbsSkinMenu*>()) {
        if (menu->Form() == form)
            return menu;
    }
    return nullptr;
}

TbsSkinData* TbsSkinMenu::FrameSkinData() const
{
    return frameSkinData_.data();
}

void TbsSkinMenu::SetFrameSkinData(TbsSkinData* store)
{
    frameSkinData_ = store;
}

TbsSkinData* TbsSkinMenu::SkinData() const
{
    return store_.data();
}

TbsSkinPopupWindow* TbsSkinMenu::Level(int index) const
{
    return index >= 0 && index < levels_.size() ? levels_.at(index).data() : nullptr;
}

bool TbsSkinMenu::PopupAt(QWidget* control, TbsSkinData* store, TMenuItem* item, const QPoint& point)
{
    return Popup(control, store, false, item, QRect(point, QSize(0, 0)));
}

bool TbsSkinMenu::Popup(QWidget* control, TbsSkinData* store, bool upward, TMenuItem* item, const QRect& anchor,
                        int firstIndex)
{
    CloseAll();
    if (!item || item->VisibleItems(firstIndex).isEmpty())
        return false;
    store_ = store;
    owner_ = control;
    workArea_ = GetMonitorWorkArea(anchor, true);
    levelSettings_.skin = MenuSkin::Of(store);
    levelSettings_.font = levelSettings_.skin.Skinned() && useSkinFont_ ? levelSettings_.skin.itemFont : defaultItemFont_;
    levelSettings_.defaultItemHeight = defaultItemHeight_;
    levelSettings_.maxItems = maxMenuItemsInWindow_;
    levelSettings_.workAreaHeight = workArea_.height();
    levelSettings_.takeKeyboard = !QGuiApplication::focusWindow();
    if (store)
        storeWatch_ = connect(store, &QObject::destroyed, this, [this] { CloseAll(); });
    visible_ = true;
    firstShow_ = true;
    EnterMenuMode();
    OpenLevel(*item, anchor, upward, firstIndex);
    return true;
}

void TbsSkinMenu::OpenLevel(TMenuItem& item, const QRect& anchor, bool upward, int firstIndex)
{
    const int depth = int(levels_.size());
    auto* level = new TbsSkinPopupWindow(levelSettings_, item, firstIndex, depth,
                                         [this, depth](int index) { ItemSelected(depth, index); });
    MenuPlacement placement;
    placement.anchor = anchor;
    placement.workArea = workArea_;
    placement.size = level->size();
    placement.itemsTop = level->Geometry().ItemsRect().y();
    placement.subMenu = !levels_.isEmpty();
    placement.upward = upward;
    placement.scrollsByHeight = level->Geometry().ScrollsByHeight();
    levels_.append(level);
    const bool blend = alphaBlend_ && PlatformCaps().layeredWindows;
    level->ShowAt(placement.TopLeft(), blend ? alphaBlendValue_ : -1, blend && alphaBlendAnimation_ && firstShow_);
    firstShow_ = false;
}

void TbsSkinMenu::DismissLevels(int from)
{
    while (levels_.size() > qMax(0, from)) {
        if (TbsSkinPopupWindow* level = levels_.takeLast().data())
            level->Dismiss();
    }
    if (waitingLevel_ && IndexOfLevel(waitingLevel_) < 0) {
        waitTimer_->SetEnabled(false);
        waitingLevel_ = nullptr;
        waitingIndex_ = -1;
    }
}

void TbsSkinMenu::CloseFrom(int level)
{
    if (level <= 0) {
        CloseAll();
        return;
    }
    DismissLevels(level);
    if (TbsSkinPopupWindow* parent = Level(level - 1))
        parent->MarkSubMenuOpen(-1, false);
}

void TbsSkinMenu::CloseAll()
{
    if (!visible_ && levels_.isEmpty())
        return;
    DismissLevels(0);
    visible_ = false;
    waitTimer_->SetEnabled(false);
    waitingLevel_ = nullptr;
    waitingIndex_ = -1;
    disconnect(storeWatch_);
    LeaveMenuMode();
    // Everything below may run handlers that open another menu or destroy this one.
    const QPointer<TbsSkinMenu> alive(this);
    const QPointer<QWidget> owner = std::exchange(owner_, nullptr);
    SendMessage(owner, CloseSkinMenuMessage);
    if (alive && form_ && form_ != owner)
        SendMessage(form_, CloseSkinMenuMessage);
    if (!alive)
        return;
    const std::function<void()> closed = std::exchange(OnMenuClose, nullptr);
    TApplicationEvents::CallHook(closed);
    if (alive)
        TApplicationEvents::Guard([this] { Q_EMIT OnSkinMenuClose(this); });
}

void TbsSkinMenu::OpenSubMenu(int level, int index, bool byKeyboard)
{
    TbsSkinPopupWindow* parent = Level(level);
    if (!parent || index < 0 || index >= parent->ItemCount())
        return;
    DismissLevels(level + 1);
    waitTimer_->SetEnabled(false);
    const TbsSkinMenuItem& item = parent->Item(index);
    if (!item.HasSubMenu() || !item.Enabled())
        return;
    parent->Highlight(index);
    parent->MarkSubMenuOpen(index, byKeyboard);
    OpenLevel(*item.MenuItem(), parent->ItemScreenRect(index), false, 0);
}

void TbsSkinMenu::ChooseItem(int level, int index)
{
    TbsSkinPopupWindow* window = Level(level);
    if (!window || index < 0 || index >= window->ItemCount() || !window->Item(index).Selectable())
        return;
    const QPointer<TMenuItem> item = window->Item(index).MenuItem();
    if (window->Item(index).HasSubMenu()) {
        const QPointer<TbsSkinMenu> alive(this);
        item->Click();
        if (alive && visible_)
            OpenSubMenu(level, index, false);
        return;
    }
    const QPointer<QWidget> notify = owner_;
    CloseAll();
    // The menu is gone before the command runs; nothing of this object is used from here.
    if (item)
        item->Click();
    SendMessage(notify, AfterDispatchMessage);
}

void TbsSkinMenu::ItemSelected(int depth, int index)
{
    TbsSkinPopupWindow* level = Level(depth);
    if (!level)
        return;
    CloseFrom(depth + 1);
    waitTimer_->SetEnabled(false);
    waitingLevel_ = nullptr;
    waitingIndex_ = -1;
    if (index < 0 || !level->Item(index).HasSubMenu() || !level->Item(index).Enabled())
        return;
    waitingLevel_ = level;
    waitingIndex_ = index;
    waitTimer_->SetEnabled(true);
}

void TbsSkinMenu::WaitElapsed()
{
    waitTimer_->SetEnabled(false);
    const int depth = IndexOfLevel(waitingLevel_);
    const int index = std::exchange(waitingIndex_, -1);
    waitingLevel_ = nullptr;
    if (depth >= 0 && Level(depth)->Selected() == index)
        OpenSubMenu(depth, index, false);
}

int TbsSkinMenu::IndexOfLevel(const TbsSkinPopupWindow* level) const
{
    for (int i = 0; i < levels_.size(); ++i) {
        if (level && levels_.at(i) == level)
            return i;
    }
    return -1;
}

int TbsSkinMenu::LevelAt(const QPoint& global) const
{
    // The newest level lies on top where levels overlap.
    for (int i = int(levels_.size()) - 1; i >= 0; --i) {
        const TbsSkinPopupWindow* level = levels_.at(i);
        if (level && level->geometry().contains(global))
            return i;
    }
    return -1;
}

void TbsSkinMenu::EnterMenuMode()
{
    if (inMenuMode_)
        return;
    inMenuMode_ = true;
    qApp->installEventFilter(this);
    TApplicationEvents::Guard([this] { Q_EMIT OnSkinMenuOpen(this); });
}

void TbsSkinMenu::LeaveMenuMode()
{
    if (!inMenuMode_)
        return;
    inMenuMode_ = false;
    qApp->removeEventFilter(this);
}

void TbsSkinMenu::SendMessage(QObject* receiver, int message)
{
    if (!receiver)
        return;
    QEvent event{QEvent::Type(message)};
    QCoreApplication::sendEvent(receiver, &event);
}

bool TbsSkinMenu::eventFilter(QObject* watched, QEvent* event)
{
    // Keys and clicks run the items' commands: nothing they raise may unwind through Qt.
    bool taken = false;
    TApplicationEvents::Guard([&] { taken = FilterEvent(event); });
    return taken || QObject::eventFilter(watched, event);
}

bool TbsSkinMenu::FilterEvent(QEvent* event)
{
    switch (event->type()) {
    case QEvent::ShortcutOverride:
        // Claimed, so that no shortcut of the owner fires; the key press then comes here.
        event->accept();
        return true;
    case QEvent::KeyPress:
        KeyDown(*static_cast<QKeyEvent*>(event));
        return true;
    case QEvent::Wheel:
        return true;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::NonClientAreaMouseButtonDblClick:
        return FilterMouse(static_cast<QMouseEvent*>(event));
    default:
        break;
    }
    if (TbsSkinMessageEvent::IsSkinMessage(event)) {
        const auto* message = static_cast<TbsSkinMessageEvent*>(event);
        if (message->Message() == TbsSkinMessageEvent::SkinChangeBegin && message->Store() == store_)
            CloseAll();
    }
    return false;
}

bool TbsSkinMenu::FilterMouse(QMouseEvent* event)
{
    // Each press reaches the filter once, at the first object it is sent to (the window, or
    // the widget itself when sent straight to it), and goes no further.
    const QPoint global = event->globalPosition().toPoint();
    const int depth = LevelAt(global);
    if (event->type() == QEvent::MouseButtonRelease) {
        if (depth < 0)
            return false;  // the end of a press made before the menu opened
        if (event->button() == Qt::LeftButton)
            ChooseItem(depth, Level(depth)->ItemAtGlobal(global));
        return true;
    }
    if (depth < 0)
        CloseAll();
    return true;
}

void TbsSkinMenu::KeyDown(const QKeyEvent& event)
{
    if (levels_.isEmpty())
        return;
    const int depth = int(levels_.size()) - 1;
    TbsSkinPopupWindow* level = Level(depth);
    switch (event.key()) {
    case Qt::Key_Up:
        level->MoveSelection(-1);
        return;
    case Qt::Key_Down:
        level->MoveSelection(1);
        return;
    case Qt::Key_Right:
        OpenSubMenu(depth, level->Selected(), true);
        return;
    case Qt::Key_Left:
        if (depth > 0)
            CloseFrom(depth);
        return;
    case Qt::Key_Escape:
        CloseFrom(depth);
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        ChooseItem(depth, level->Selected());
        return;
    default:
        break;
    }
    const QString text = event.text();
    const int index = text.isEmpty() ? -1 : level->AcceleratorItem(text.at(0));
    if (index >= 0) {
        level->Highlight(index);
        ChooseItem(depth, index);
    }
}
