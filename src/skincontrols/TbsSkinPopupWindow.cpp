#include "skincontrols/TbsSkinPopupWindow.h"

#include "framework/TMenuItem.h"
#include "framework/TTimer.h"
#include "skin/TbsDataSkinMenuItem.h"
#include "skinui/CaptionAccelerator.h"
#include "skinui/MenuPainting.h"
#include "skinui/PointerPosition.h"
#include "skinui/SkinRect.h"
#include "skinui/SkinText.h"
#include "skinui/TbsPlatformCaps.h"

#include <QGuiApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QWindow>

namespace {

// A separator's height in the plain look.
constexpr int kPlainSeparatorHeight = 4;

Qt::WindowFlags PopupFlags()
{
    // Where the window system places windows itself, a level is a popup of the window it opened
    // from, which the window system puts beside it where asked, or as near as the screen allows.
    if (!PlatformCaps().screenPositions)
        return Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus;
    // Bypassing the window manager keeps the level exactly where it is placed and out of the
    // window manager's focus handling.
    return Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus
        | Qt::BypassWindowManagerHint;
}

// Only X11 lets a window hold the pointer for presses outside the application.
bool PointerGrabsWork()
{
    return QGuiApplication::platformName() == QLatin1String("xcb");
}

TTimer* MakeTimer(QObject* owner, const char* name, int interval)
{
    auto* timer = new TTimer(owner);
    timer->setObjectName(QLatin1String(name));
    timer->SetInterval(interval);
    return timer;
}

} // namespace

TbsSkinPopupWindow::TbsSkinPopupWindow(const PopupLevelSettings& settings, TMenuItem& item, int firstIndex,
                                       int level, QWidget* opener, std::function<void(int index)> selected)
    : QWidget(nullptr, PopupFlags()), settings_(settings), onSelected_(std::move(selected)), level_(level),
      trackTimer_(MakeTimer(this, "TrackTimer", kTrackInterval)),
      scrollTimer_(MakeTimer(this, "ScrollTimer", kScrollInterval)),
      fadeTimer_(MakeTimer(this, "FadeTimer", kFadeInterval))
{
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_X11DoNotAcceptFocus);
    setAttribute(Qt::WA_X11NetWmWindowTypePopupMenu);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
    setFont(settings_.font);
    BuildItems(item, firstIndex);
    Layout();
    if (opener && !PlatformCaps().screenPositions) {
        winId();
        windowHandle()->setTransientParent(opener->window()->windowHandle());
    }
    connect(trackTimer_, &TTimer::OnTimer, this, [this] { Track(); });
    connect(scrollTimer_, &TTimer::OnTimer, this, [this] { ScrollStep(); });
    connect(fadeTimer_, &TTimer::OnTimer, this, [this] { FadeStep(); });
}

void TbsSkinPopupWindow::BuildItems(TMenuItem& item, int firstIndex)
{
    for (TMenuItem* child : item.VisibleItems(firstIndex))
        items_.emplace_back(child);
}

QList<int> TbsSkinPopupWindow::ItemHeights() const
{
    QList<int> heights;
    for (const TbsSkinMenuItem& item : items_) {
        if (Skin().Skinned())
            heights << (item.IsSeparator() ? Skin().SeparatorHeight() : Skin().ItemHeight());
        else
            heights << (item.IsSeparator() ? kPlainSeparatorHeight : settings_.defaultItemHeight);
    }
    return heights;
}

int TbsSkinPopupWindow::TextWidth() const
{
    const QFontMetrics metrics(settings_.font);
    int widest = 0;
    for (const TbsSkinMenuItem& item : items_) {
        if (item.IsSeparator())
            continue;
        const MenuItemFace face = item.Face();
        int width = SkinTextWidth(metrics, face.caption);
        if (!face.shortcut.isEmpty())
            width += SkinTextWidth(metrics, QStringLiteral("  ") + face.shortcut, SkinTextMode::Literal);
        widest = qMax(widest, width);
    }
    return widest;
}

void TbsSkinPopupWindow::Layout()
{
    const MenuSkin& skin = Skin();
    MenuGeometry::Sizing sizing;
    sizing.itemsMargins = skin.Skinned() ? skin.ItemsMargins() : QMargins(2, 2, 2, 2);
    sizing.itemWidth = MenuItemWidth(skin, TextWidth());
    sizing.heights = ItemHeights();
    sizing.maxItems = settings_.maxItems;
    sizing.limitItemHeight = skin.Skinned() ? skin.ItemHeight() : settings_.defaultItemHeight;
    sizing.workAreaHeight = settings_.workAreaHeight;
    sizing.plainMarkers = !skin.Skinned();
    geometry_ = MenuGeometry(sizing);
    resize(geometry_.Size());
    background_ = BuildMenuBackground(skin, geometry_.Size(), devicePixelRatioF());
    if (const std::optional<QRegion> region = MenuWindowRegion(skin, geometry_.Size()))
        setMask(*region);
}

void TbsSkinPopupWindow::ShowAt(const QPoint& topLeft, int alpha, bool fade)
{
    move(topLeft);
    if (alpha >= 0) {
        fadeTarget_ = qBound(0, alpha, 255);
        fadeAlpha_ = fade ? 0 : fadeTarget_;
        setWindowOpacity(fadeAlpha_ / 255.0);
    }
    show();
    if (alpha >= 0 && fade)
        fadeTimer_->SetEnabled(true);
    EnsureGrabs();
    lastPointer_ = PointerOver(*this);
    Highlight(FirstSelectable());
    trackTimer_->SetEnabled(true);
}

void TbsSkinPopupWindow::Dismiss()
{
    if (dismissed_)
        return;
    dismissed_ = true;
    trackTimer_->SetEnabled(false);
    scrollTimer_->SetEnabled(false);
    fadeTimer_->SetEnabled(false);
    // The keyboard goes back to where it was before the menu took it.
    if (keyboardGrabbed_ && windowHandle())
        windowHandle()->setKeyboardGrabEnabled(false);
    hide();
    deleteLater();
}

void TbsSkinPopupWindow::EnsureGrabs()
{
    // The first level holds the pointer, so that a press anywhere (outside the application
    // too) reaches the menu and closes it. Where the window system refuses, presses inside the
    // application and deactivation still close it. Without a window of the application that
    // has the keyboard, it holds the keyboard too: the menu's keys reach it.
    if (level_ != 0 || !windowHandle() || !PointerGrabsWork())
        return;
    if (!pointerGrabbed_)
        pointerGrabbed_ = windowHandle()->setMouseGrabEnabled(true);
    if (settings_.takeKeyboard && !keyboardGrabbed_)
        keyboardGrabbed_ = windowHandle()->setKeyboardGrabEnabled(true);
}

void TbsSkinPopupWindow::FadeStep()
{
    fadeAlpha_ = qMin(fadeTarget_, fadeAlpha_ + qMax(1, fadeTarget_ / 15));
    setWindowOpacity(fadeAlpha_ / 255.0);
    if (fadeAlpha_ >= fadeTarget_)
        fadeTimer_->SetEnabled(false);
}

void TbsSkinPopupWindow::Highlight(int index)
{
    if (index >= ItemCount() || (index >= 0 && items_[std::size_t(index)].IsSeparator()))
        return;
    if (index == selected_)
        return;
    if (selected_ >= 0) {
        items_[std::size_t(selected_)].SetSelected(false);
        RepaintItem(selected_);
    }
    selected_ = qMax(-1, index);
    if (selected_ < 0)
        return;
    items_[std::size_t(selected_)].SetSelected(true);
    const int top = geometry_.TopShowing(selected_, top_);
    if (top != top_)
        ScrollTo(top);
    else
        RepaintItem(selected_);
}

void TbsSkinPopupWindow::SelectItem(int index)
{
    if (dismissed_)
        return;
    Highlight(index);
    if (index == selected_ && onSelected_)
        onSelected_(index);
}

void TbsSkinPopupWindow::MoveSelection(int step)
{
    const int count = ItemCount();
    int index = selected_;
    for (int tried = 0; tried < count; ++tried) {
        index = index < 0 ? (step > 0 ? 0 : count - 1) : (index + step + count) % count;
        if (items_[std::size_t(index)].Selectable()) {
            SelectItem(index);
            return;
        }
    }
}

void TbsSkinPopupWindow::MarkSubMenuOpen(int index, bool byKeyboard)
{
    for (int i = 0; i < ItemCount(); ++i) {
        TbsSkinMenuItem& item = items_[std::size_t(i)];
        const bool open = i == index;
        if (item.SubMenuOpen() == open)
            continue;
        item.SetSubMenuOpen(open, byKeyboard);
        RepaintItem(i);
    }
}

int TbsSkinPopupWindow::FirstSelectable() const
{
    for (int i = 0; i < ItemCount(); ++i) {
        if (items_[std::size_t(i)].Selectable())
            return i;
    }
    return -1;
}

int TbsSkinPopupWindow::AcceleratorItem(QChar key) const
{
    for (int i = 0; i < ItemCount(); ++i) {
        const TbsSkinMenuItem& item = items_[std::size_t(i)];
        if (item.Selectable() && IsAcceleratorOf(key, item.Face().caption))
            return i;
    }
    return -1;
}

int TbsSkinPopupWindow::ItemAtGlobal(const QPoint& global) const
{
    return geometry_.ItemAt(mapFromGlobal(global), top_);
}

QRect TbsSkinPopupWindow::ItemScreenRect(int index) const
{
    const QRect local = geometry_.ItemRect(index, top_);
    return local.isEmpty() ? QRect() : QRect(mapToGlobal(local.topLeft()), local.size());
}

void TbsSkinPopupWindow::Track()
{
    EnsureGrabs();
    const std::optional<QPoint> pointer = PointerOver(*this);
    if (pointer == lastPointer_)
        return;
    lastPointer_ = pointer;
    if (!pointer || !rect().contains(*pointer)) {
        StopScrolling();
        return;
    }
    const QPoint local = *pointer;
    if (geometry_.Scrolling()) {
        TrackMarkers(local);
        if (marker_ != ScrollMarker::None)
            return;
    }
    const int index = geometry_.ItemAt(local, top_);
    if (index >= 0 && index != selected_ && !items_[std::size_t(index)].IsSeparator())
        SelectItem(index);
}

void TbsSkinPopupWindow::TrackMarkers(const QPoint& local)
{
    if (PointInSkinRect(geometry_.UpMarker(), local))
        StartScrolling(ScrollMarker::Up);
    else if (PointInSkinRect(geometry_.DownMarker(), local))
        StartScrolling(ScrollMarker::Down);
    else
        StopScrolling();
}

void TbsSkinPopupWindow::StartScrolling(ScrollMarker marker)
{
    if (marker == marker_)
        return;
    marker_ = marker;
    scrollTimer_->SetEnabled(true);
    update(geometry_.UpMarker().united(geometry_.DownMarker()));
}

void TbsSkinPopupWindow::StopScrolling()
{
    if (marker_ == ScrollMarker::None)
        return;
    marker_ = ScrollMarker::None;
    scrollTimer_->SetEnabled(false);
    update();
}

void TbsSkinPopupWindow::ScrollStep()
{
    const bool up = marker_ == ScrollMarker::Up;
    const bool room = up ? top_ > 0 : geometry_.LastShown(top_) < ItemCount() - 1;
    if (marker_ == ScrollMarker::None || !room) {
        StopScrolling();
        return;
    }
    ScrollTo(top_ + (up ? -1 : 1));
}

void TbsSkinPopupWindow::ScrollTo(int top)
{
    top_ = top;
    update();
}

void TbsSkinPopupWindow::RepaintItem(int index)
{
    const QRect rect = geometry_.ItemRect(index, top_);
    if (!rect.isEmpty())
        update(rect);
}

void TbsSkinPopupWindow::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QRect dirty = event->rect();
    const qreal ratio = background_.devicePixelRatio();
    painter.drawImage(QRectF(dirty), background_,
                      QRectF(dirty.x() * ratio, dirty.y() * ratio, dirty.width() * ratio, dirty.height() * ratio));
    painter.setFont(settings_.font);
    const int last = geometry_.LastShown(top_);
    for (int i = top_; i <= last; ++i) {
        const QRect rect = geometry_.ItemRect(i, top_);
        if (rect.intersects(dirty))
            items_[std::size_t(i)].Paint(painter, rect, Skin());
    }
    if (geometry_.Scrolling()) {
        PaintScrollMarker(painter, geometry_.UpMarker(), ArrowGlyph::Up, marker_ == ScrollMarker::Up, Skin());
        PaintScrollMarker(painter, geometry_.DownMarker(), ArrowGlyph::Down, marker_ == ScrollMarker::Down, Skin());
    }
}
