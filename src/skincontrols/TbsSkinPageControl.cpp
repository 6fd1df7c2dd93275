#include "skincontrols/TbsSkinPageControl.h"

#include "framework/TApplicationEvents.h"
#include "framework/TTabSheet.h"
#include "skin/TbsDataSkinTabControl.h"
#include "skin/TbsSkinData.h"
#include "skincontrols/SkinnedTabPainting.h"
#include "skincontrols/TabStripArrows.h"
#include "skincontrols/TbsSkinUpDown.h"
#include "skinui/CellHeightFont.h"
#include "skinui/PaintParentBackground.h"
#include "skinui/SkinColor.h"
#include "skinui/SkinRect.h"
#include "skinui/SkinText.h"

#include <QCursor>
#include <QImage>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPointer>
#include <QWheelEvent>

namespace {
// Size of a close button without a skin.
constexpr int kCloseButtonSize = 14;
}

TbsSkinPageControl::TbsSkinPageControl(QWidget* parent)
    : TPageControl(parent), skinDataName_(QStringLiteral("tab")),
      defaultFont_(FontWithCellHeight(QStringLiteral("Arial"), 14)), closeButtonSize_(kCloseButtonSize),
      link_(this, [this] { ForgetSkin(); }, [this] { ChangeSkinData(); }), arrows_(new TabStripArrows(this))
{
    SetFont(defaultFont_);
    connect(arrows_, &TabStripArrows::Scrolled, this, [this](int scroll) { ScrollTo(scroll); });
}

TbsSkinPageControl::~TbsSkinPageControl() = default;

template <class Field>
bool TbsSkinPageControl::Changed(Field& field, const Field& value)
{
    if (field == value)
        return false;
    field = value;
    return true;
}

void TbsSkinPageControl::SetSkinData(TbsSkinData* store)
{
    link_.SetStore(store);
}

void TbsSkinPageControl::ChangeSkinData()
{
    const auto* object = link_.Find<TbsDataSkinTabControl>(skinDataName_);
    ApplySkin(object ? TabControlSkin::Read(*SkinData(), object) : TabControlSkin());
}

void TbsSkinPageControl::ForgetSkin()
{
    // A load under way ends with its change, which lays the control out again; left without a
    // skin, the control takes the plain look now.
    if (SkinData() && SkinData()->Changing())
        skin_ = TabControlSkin();
    else
        ApplySkin(TabControlSkin());
}

void TbsSkinPageControl::ApplySkin(const TabControlSkin& skin)
{
    skin_ = skin;
    closeButtonSize_ = skin_.valid && !skin_.closeRect.isEmpty() ? skin_.closeRect.width() : kCloseButtonSize;
    SetFont(skin_.valid && useSkinFont_ ? skin_.font : defaultFont_);
    SetFontColor(skin_.valid ? skin_.fontColor : SystemColor(SkinColor::kButtonText));
    arrows_->SetSkin(skin_.upDownName, SkinData());
    Realign();
    if (ActivePage())
        ActivePage()->update();
}

bool TbsSkinPageControl::event(QEvent* event)
{
    return link_.HandleEvent(event) || TPageControl::event(event);
}

void TbsSkinPageControl::SetTabWidth(qint16 width)
{
    if (Changed(tabWidth_, width))
        Realign();
}

void TbsSkinPageControl::SetTabHeight(qint16 height)
{
    if (Changed(tabHeight_, height))
        Realign();
}

void TbsSkinPageControl::SetTabsOffset(int offset)
{
    if (offset == tabsOffset_)
        return;
    tabsOffset_ = offset;
    if (offset > 0)
        tabsBGTransparent_ = true;
    Realign();
}

void TbsSkinPageControl::SetTabsInCenter(bool center)
{
    if (center == tabsInCenter_ || (center && tabWidth_ == 0))
        return;
    tabsInCenter_ = center;
    if (center)
        tabsBGTransparent_ = true;
    Realign();
}

void TbsSkinPageControl::SetTabsBGTransparent(bool transparent)
{
    if (Changed(tabsBGTransparent_, transparent))
        update();
}

void TbsSkinPageControl::SetDefaultItemHeight(int height)
{
    if (Changed(defaultItemHeight_, height))
        Realign();
}

void TbsSkinPageControl::SetTabSpacing(int spacing)
{
    if (Changed(tabSpacing_, spacing))
        update();
}

void TbsSkinPageControl::SetTabMargin(int margin)
{
    if (margin == tabMargin_ || margin < -1)
        return;
    tabMargin_ = margin;
    update();
}

void TbsSkinPageControl::SetTabExtededDraw(bool extended)
{
    if (Changed(tabExtededDraw_, extended))
        update();
}

void TbsSkinPageControl::SetTextInHorizontal(bool horizontal)
{
    if (Changed(textInHorizontal_, horizontal))
        update();
}

void TbsSkinPageControl::SetSkinDataName(const QString& name)
{
    if (Changed(skinDataName_, name))
        ChangeSkinData();
}

void TbsSkinPageControl::SetUseSkinFont(bool use)
{
    if (Changed(useSkinFont_, use))
        ChangeSkinData();
}

void TbsSkinPageControl::SetDefaultFont(const QFont& font)
{
    if (Changed(defaultFont_, font))
        ChangeSkinData();
}

void TbsSkinPageControl::SetShowCloseButtons(bool show)
{
    if (show == showCloseButtons_)
        return;
    showCloseButtons_ = show;
    SetCloseFlags(nullptr, nullptr);
    update();
}

QRect TbsSkinPageControl::CloseButtonRect(int visibleIndex) const
{
    const TabStripGeometry geometry = StripGeometry();
    const QRect tab = geometry.TabRect(visibleIndex);
    if (!showCloseButtons_ || tab.isEmpty())
        return QRect();
    return geometry.InTab(visibleIndex, CloseButtonInTab(tab.size(), closeButtonSize_));
}

QRect TbsSkinPageControl::TabRect(int visibleIndex) const
{
    return StripGeometry().TabRect(visibleIndex);
}

TbsSkinUpDown* TbsSkinPageControl::UpDown() const
{
    return arrows_->UpDown();
}

void TbsSkinPageControl::Refresh()
{
    repaint();
}

QRect TbsSkinPageControl::FrameworkTabRect(int visibleIndex) const
{
    // A tab scrolled out cannot be clicked.
    const TabStripGeometry geometry = StripGeometry();
    if (!geometry.Shown(visibleIndex))
        return QRect();
    return geometry.TabRect(visibleIndex).translated(-geometry.EffectiveOffset(), 0);
}

int TbsSkinPageControl::TabStripHeight() const
{
    if (tabHeight_ > 0)
        return tabHeight_;
    return skin_.valid ? skin_.tabRect.height() : defaultItemHeight_;
}

QRect TbsSkinPageControl::PageArea() const
{
    if (!skin_.valid)
        return TPageControl::PageArea();
    const QMargins frame = skin_.FrameMargins();
    return SkinRect(frame.left(), TabStripHeight() + frame.top(), width() - frame.right(), height() - frame.bottom());
}

TabStripGeometry TbsSkinPageControl::StripGeometry() const
{
    TabStripGeometry geometry;
    geometry.controlWidth = width();
    geometry.tabsOffset = tabsOffset_;
    geometry.tabsInCenter = tabsInCenter_;
    geometry.fixedTabWidth = tabWidth_;
    geometry.tabHeight = TabStripHeight();
    geometry.scrolledTabs = scrolledTabs_;
    for (int i = 0; i < VisibleTabCount(); ++i)
        geometry.tabWidths.append(tabWidth_ > 0 ? tabWidth_ : FrameworkTabWidth(PageOfTab(i)));
    return geometry;
}

QMouseEvent TbsSkinPageControl::FrameworkMouseEvent(const QMouseEvent& event) const
{
    const int shift = event.button() == Qt::LeftButton ? StripGeometry().EffectiveOffset() : 0;
    return QMouseEvent(event.type(), event.position() - QPointF(shift, 0), event.scenePosition(),
                       event.globalPosition(), event.button(), event.buttons(), event.modifiers(),
                       event.pointingDevice());
}

void TbsSkinPageControl::mousePressEvent(QMouseEvent* event)
{
    if (!StripGeometry().OffsetInEffect())
        TrackHotTab(event->position().toPoint());
    if (event->button() == Qt::LeftButton)
        PressCloseButton(event->position().toPoint());
    QMouseEvent shifted = FrameworkMouseEvent(*event);
    TPageControl::mousePressEvent(&shifted);
}

void TbsSkinPageControl::mouseReleaseEvent(QMouseEvent* event)
{
    if (!StripGeometry().OffsetInEffect())
        TrackHotTab(event->position().toPoint());
    QMouseEvent shifted = FrameworkMouseEvent(*event);
    TPageControl::mouseReleaseEvent(&shifted);
    if (event->button() == Qt::LeftButton)
        ReleaseCloseButton(event->position().toPoint());
}

void TbsSkinPageControl::mouseDoubleClickEvent(QMouseEvent* event)
{
    QMouseEvent shifted = FrameworkMouseEvent(*event);
    TPageControl::mouseDoubleClickEvent(&shifted);
}

void TbsSkinPageControl::mouseMoveEvent(QMouseEvent* event)
{
    TrackHotTab(event->position().toPoint());
    TrackCloseButton(event->position().toPoint());
    TPageControl::mouseMoveEvent(event);
}

void TbsSkinPageControl::leaveEvent(QEvent* event)
{
    SetHotTab(-1);
    TrackCloseButton(QPoint(-1, -1));
    TPageControl::leaveEvent(event);
}

void TbsSkinPageControl::focusInEvent(QFocusEvent* event)
{
    TPageControl::focusInEvent(event);
    update();
}

void TbsSkinPageControl::focusOutEvent(QFocusEvent* event)
{
    TPageControl::focusOutEvent(event);
    update();
}

void TbsSkinPageControl::wheelEvent(QWheelEvent* event)
{
    const int turn = event->angleDelta().y();
    if (!mouseWheelSupport_ || turn == 0) {
        TPageControl::wheelEvent(event);
        return;
    }
    // Turning toward the user goes on to the next tab.
    if (TTabSheet* page = NeighbourWithTab(turn < 0 ? 1 : -1))
        SetActivePage(page);
}

TTabSheet* TbsSkinPageControl::NeighbourWithTab(int step) const
{
    if (!ActivePage())
        return nullptr;
    for (int i = ActivePage()->PageIndex() + step; i >= 0 && i < PageCount(); i += step) {
        if (Page(i)->TabVisible())
            return Page(i);
    }
    return nullptr;
}

void TbsSkinPageControl::PageRemoved(TTabSheet*)
{
    // Visible indices after the removed tab have moved; the next pointer move finds the hot tab.
    hotTab_ = -1;
}

void TbsSkinPageControl::SetCloseFlags(TTabSheet* hot, TTabSheet* pressed)
{
    if (hot == closeHot_ && pressed == closePressed_)
        return;
    closeHot_ = hot;
    closePressed_ = pressed;
    RepaintStrip();
}

void TbsSkinPageControl::TrackCloseButton(QPoint position)
{
    if (!showCloseButtons_)
        return;
    TTabSheet* hotPage = PageOfTab(hotTab_);
    SetCloseFlags(hotPage && CloseButtonRect(hotTab_).contains(position) ? hotPage : nullptr, closePressed_);
}

void TbsSkinPageControl::PressCloseButton(QPoint position)
{
    TTabSheet* hotPage = PageOfTab(hotTab_);
    if (!showCloseButtons_ || !hotPage || !CloseButtonRect(hotTab_).contains(position))
        return;
    SetCloseFlags(closeHot_, hotPage);
}

void TbsSkinPageControl::ReleaseCloseButton(QPoint position)
{
    TTabSheet* pressed = closePressed_;
    const int index = VisibleIndexOf(pressed);
    if (pressed && index >= 0 && CloseButtonRect(index).contains(position)) {
        ClosePage(pressed);
        return;
    }
    SetCloseFlags(closeHot_, nullptr);
}

void TbsSkinPageControl::ClosePage(TTabSheet* page)
{
    SetCloseFlags(closeHot_, nullptr);
    bool canClose = true;
    const QPointer<TTabSheet> guard(page);
    TApplicationEvents::CallHook(OnClose, page, canClose);
    if (!guard)  // the handler freed the page itself
        return;
    if (!canClose) {
        if (!rect().contains(mapFromGlobal(QCursor::pos())) && closeHot_ == page)
            SetCloseFlags(nullptr, nullptr);
        RepaintStrip();
        return;
    }
    if (closeHot_ == page)
        SetCloseFlags(nullptr, nullptr);
    page->SetTabVisible(false);
    if (freeOnClose_)
        delete page;
    TApplicationEvents::Guard([this] { Q_EMIT OnAfterClose(this); });
}

void TbsSkinPageControl::TrackHotTab(QPoint position)
{
    SetHotTab(StripGeometry().TabAt(position));
}

void TbsSkinPageControl::SetHotTab(int visibleIndex)
{
    if (visibleIndex == hotTab_)
        return;
    hotTab_ = visibleIndex;
    RepaintStrip();
}

void TbsSkinPageControl::RepaintStrip()
{
    update(QRect(0, 0, width(), TabStripHeight() + skin_.ActiveRise()));
}

TabStripState TbsSkinPageControl::StripState() const
{
    TabStripState state;
    state.geometry = StripGeometry();
    state.size = size();
    state.pageArea = PageArea();
    state.activeTab = TabIndex();
    state.hotTab = hotTab_;
    state.focused = hasFocus();
    state.fixedTabHeight = tabHeight_ > 0;
    // A control without a parent has nothing behind it to show.
    state.transparentStrip = tabsBGTransparent_ && parentWidget();
    state.showCloseButtons = showCloseButtons_;
    state.closeButtonSize = closeButtonSize_;
    state.hotClose = VisibleIndexOf(closeHot_);
    state.pressedClose = VisibleIndexOf(closePressed_);
    state.font = Font();
    state.fontColor = FontColor();
    state.useSkinFont = useSkinFont_;
    return state;
}

void TbsSkinPageControl::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    PaintTabStrip(
        painter, skin_, StripState(), event->region(),
        [this](QPainter& canvas, int index, const QRect& bitmap, const QRect& caption, TabPaintState state) {
            DrawTabFace(canvas, index, bitmap, caption, state);
        },
        [this](QPainter& canvas) { PaintParentBackground(this, canvas); });
}

bool TbsSkinPageControl::PaintSkinBackground(QPainter& painter, const QRect& area) const
{
    if (!skin_.valid)
        return false;
    PaintSkinnedPageBackground(painter, skin_, area);
    return true;
}

void TbsSkinPageControl::DrawTabFace(QPainter& canvas, int visibleIndex, const QRect& bitmapRect,
                                     const QRect& captionRect, TabPaintState state)
{
    const TTabSheet* page = PageOfTab(visibleIndex);
    if (TApplicationEvents::CallHook(OnDrawSkinTab, page->PageIndex(), visibleIndex, bitmapRect,
                                     state.testFlag(TabPaintFlag::Active), state.testFlag(TabPaintFlag::MouseIn),
                                     &canvas))
        return;
    const int closeRoom = showCloseButtons_ ? closeButtonSize_ + 2 : 0;
    // Tab captions here are page titles, not accelerator captions: an "&" is drawn.
    DrawSingleLineText(canvas, page->Caption(), captionRect.adjusted(0, 0, -closeRoom, 0), Qt::AlignHCenter,
                       SkinTextMode::Literal);
}

void TbsSkinPageControl::TabsMoved()
{
    ScrollTo(arrows_->Update(StripGeometry(), defaultItemHeight_, skin_.upDownName, SkinData()));
}

void TbsSkinPageControl::ActivePageChanged()
{
    if (arrows_->UpDown())
        ScrollTo(StripGeometry().ScrollShowing(TabIndex(), arrows_->Width()));
}

void TbsSkinPageControl::ScrollTo(int scroll)
{
    arrows_->SetPosition(scroll);
    if (scroll == scrolledTabs_)
        return;
    scrolledTabs_ = scroll;
    hotTab_ = -1;
    RepaintStrip();
}
