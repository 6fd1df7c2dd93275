#include "skincontrols/TbsSkinPageControl.h"

#include "framework/TApplicationEvents.h"
#include "framework/TTabSheet.h"
#include "skinui/CellHeightFont.h"
#include "skinui/SkinText.h"

#include <QCursor>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QWheelEvent>

namespace {
// Size of a close button without a skin.
constexpr int kCloseButtonSize = 14;
}

TbsSkinPageControl::TbsSkinPageControl(QWidget* parent)
    : TPageControl(parent), skinDataName_(QStringLiteral("tab")),
      defaultFont_(FontWithCellHeight(QStringLiteral("Arial"), 14))
{
    SetFont(defaultFont_);
}

void TbsSkinPageControl::SetTabWidth(qint16 width)
{
    if (width == tabWidth_)
        return;
    tabWidth_ = width;
    Realign();
}

void TbsSkinPageControl::SetTabHeight(qint16 height)
{
    if (height == tabHeight_)
        return;
    tabHeight_ = height;
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
    if (transparent == tabsBGTransparent_)
        return;
    tabsBGTransparent_ = transparent;
    update();
}

void TbsSkinPageControl::SetDefaultItemHeight(int height)
{
    if (height == defaultItemHeight_)
        return;
    defaultItemHeight_ = height;
    Realign();
}

void TbsSkinPageControl::SetTabSpacing(int spacing)
{
    if (spacing == tabSpacing_)
        return;
    tabSpacing_ = spacing;
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
    if (extended == tabExtededDraw_)
        return;
    tabExtededDraw_ = extended;
    update();
}

void TbsSkinPageControl::SetTextInHorizontal(bool horizontal)
{
    if (horizontal == textInHorizontal_)
        return;
    textInHorizontal_ = horizontal;
    update();
}

void TbsSkinPageControl::SetSkinDataName(const QString& name)
{
    if (name == skinDataName_)
        return;
    skinDataName_ = name;
    update();
}

void TbsSkinPageControl::SetUseSkinFont(bool use)
{
    if (use == useSkinFont_)
        return;
    useSkinFont_ = use;
    update();
}

void TbsSkinPageControl::SetShowCloseButtons(bool show)
{
    if (show == showCloseButtons_)
        return;
    showCloseButtons_ = show;
    closeButtons_.clear();
    update();
}

QRect TbsSkinPageControl::CloseButtonRect(int visibleIndex) const
{
    const TabStripGeometry geometry = StripGeometry();
    const QRect tab = geometry.TabRect(visibleIndex);
    if (!showCloseButtons_ || tab.isEmpty())
        return QRect();
    return geometry.InTab(visibleIndex, CloseButtonInTab(tab.size(), kCloseButtonSize));
}

QRect TbsSkinPageControl::TabRect(int visibleIndex) const
{
    return StripGeometry().TabRect(visibleIndex);
}

void TbsSkinPageControl::Refresh()
{
    repaint();
}

QRect TbsSkinPageControl::FrameworkTabRect(int visibleIndex) const
{
    const TabStripGeometry geometry = StripGeometry();
    return geometry.TabRect(visibleIndex).translated(-geometry.EffectiveOffset(), 0);
}

int TbsSkinPageControl::TabStripHeight() const
{
    return tabHeight_ > 0 ? tabHeight_ : defaultItemHeight_;
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

void TbsSkinPageControl::PageRemoved(TTabSheet* page)
{
    closeButtons_.remove(page);
    // Visible indices after the removed tab have moved; the next pointer move finds the hot tab.
    hotTab_ = -1;
}

void TbsSkinPageControl::TrackCloseButton(QPoint position)
{
    if (!showCloseButtons_)
        return;
    const TTabSheet* hotPage = PageOfTab(hotTab_);
    const TTabSheet* lit = hotPage && CloseButtonRect(hotTab_).contains(position) ? hotPage : nullptr;
    if (lit && !closeButtons_.contains(lit))
        closeButtons_.insert(lit, CloseButtonFlags());
    bool changed = false;
    for (auto it = closeButtons_.begin(); it != closeButtons_.end(); ++it) {
        const bool hot = it.key() == lit;
        changed = changed || it->hot != hot;
        it->hot = hot;
    }
    if (changed)
        RepaintStrip();
}

void TbsSkinPageControl::PressCloseButton(QPoint position)
{
    const TTabSheet* hotPage = PageOfTab(hotTab_);
    if (!showCloseButtons_ || !hotPage || !CloseButtonRect(hotTab_).contains(position))
        return;
    closeButtons_[hotPage].pressed = true;
    RepaintStrip();
}

void TbsSkinPageControl::ReleaseCloseButton(QPoint position)
{
    for (int i = 0; i < VisibleTabCount(); ++i) {
        TTabSheet* page = PageOfTab(i);
        if (closeButtons_.value(page).pressed && CloseButtonRect(i).contains(position)) {
            ClosePage(page);
            return;
        }
    }
    bool changed = false;
    for (CloseButtonFlags& flags : closeButtons_) {
        changed = changed || flags.pressed;
        flags.pressed = false;
    }
    if (changed)
        RepaintStrip();
}

void TbsSkinPageControl::ClosePage(TTabSheet* page)
{
    closeButtons_[page].pressed = false;
    bool canClose = true;
    const QPointer<TTabSheet> guard(page);
    TApplicationEvents::CallHook(OnClose, page, canClose);
    if (!guard)  // the handler freed the page itself
        return;
    if (!canClose) {
        if (!rect().contains(mapFromGlobal(QCursor::pos())))
            closeButtons_.remove(page);
        RepaintStrip();
        return;
    }
    closeButtons_.remove(page);
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
    update(QRect(0, 0, width(), TabStripHeight()));
}

TabPaintState TbsSkinPageControl::TabState(int visibleIndex) const
{
    TabPaintState state;
    state.setFlag(TabPaintFlag::Active, visibleIndex == TabIndex());
    state.setFlag(TabPaintFlag::MouseIn, visibleIndex == hotTab_);
    state.setFlag(TabPaintFlag::Focused, hasFocus());
    return state;
}

void TbsSkinPageControl::paintEvent(QPaintEvent*)
{
    if (width() < 1 || height() < 1)
        return;
    QPainter painter(this);
    PaintPlainPageFrame(painter, rect(), PageArea());
    const TabStripGeometry geometry = StripGeometry();
    for (int i = 0; i < geometry.tabWidths.size(); ++i)
        PaintTab(painter, i, geometry.TabRect(i));
}

void TbsSkinPageControl::PaintTab(QPainter& target, int visibleIndex, QRect place)
{
    if (place.isEmpty())
        return;
    QImage bitmap(place.size(), QImage::Format_ARGB32_Premultiplied);
    {
        QPainter canvas(&bitmap);
        const TabPaintState state = TabState(visibleIndex);
        PaintPlainTabBackground(canvas, bitmap.size(), state);
        canvas.setBrush(Qt::NoBrush);
        canvas.setFont(Font());
        canvas.setPen(FontColor());
        DrawTabFace(canvas, visibleIndex, bitmap.rect(), state);
        if (showCloseButtons_) {
            const CloseButtonFlags flags = closeButtons_.value(PageOfTab(visibleIndex));
            PaintPlainCloseButton(canvas, CloseButtonInTab(bitmap.size(), kCloseButtonSize),
                                  flags.hot || flags.pressed);
        }
    }
    target.drawImage(place.topLeft(), bitmap);
}

void TbsSkinPageControl::DrawTabFace(QPainter& canvas, int visibleIndex, QRect bitmapRect, TabPaintState state)
{
    const TTabSheet* page = PageOfTab(visibleIndex);
    if (TApplicationEvents::CallHook(OnDrawSkinTab, page->PageIndex(), bitmapRect, state.testFlag(TabPaintFlag::Active),
                                     state.testFlag(TabPaintFlag::MouseIn), &canvas))
        return;
    const int closeRoom = showCloseButtons_ ? kCloseButtonSize + 2 : 0;
    // Tab captions here are page titles, not accelerator captions: an "&" is drawn.
    DrawSingleLineText(canvas, page->Caption(), bitmapRect.adjusted(0, 0, -closeRoom, 0), Qt::AlignHCenter,
                       SkinTextMode::Literal);
}
