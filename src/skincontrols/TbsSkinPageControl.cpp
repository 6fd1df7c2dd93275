#include "skincontrols/TbsSkinPageControl.h"

#include "framework/TApplicationEvents.h"
#include "framework/TTabSheet.h"
#include "skin/TbsDataSkinTabControl.h"
#include "skin/TbsSkinData.h"
#include "skincontrols/SkinnedTabPainting.h"
#include "skincontrols/TbsSkinUpDown.h"
#include "skinui/CellHeightFont.h"
#include "skinui/PaintParentBackground.h"
#include "skinui/SkinColor.h"
#include "skinui/SkinGlyphs.h"
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
      link_(this, [this] { skin_ = TabControlSkin(); }, [this] { ChangeSkinData(); })
{
    SetFont(defaultFont_);
}

TbsSkinPageControl::~TbsSkinPageControl() = default;

void TbsSkinPageControl::SetSkinData(TbsSkinData* store)
{
    link_.SetStore(store);
    update();
}

void TbsSkinPageControl::ReadSkin()
{
    const TbsSkinData* store = SkinData();
    skin_ = store ? TabControlSkin::Read(*store, link_.Find<TbsDataSkinTabControl>(skinDataName_)) : TabControlSkin();
}

void TbsSkinPageControl::ChangeSkinData()
{
    ReadSkin();
    closeButtonSize_ = skin_.valid && !skin_.closeRect.isEmpty() ? skin_.closeRect.width() : kCloseButtonSize;
    SetFont(skin_.valid && useSkinFont_ ? skin_.font : defaultFont_);
    SetFontColor(skin_.valid ? skin_.fontColor : SystemColor(SkinColor::kButtonText));
    if (upDown_) {
        upDown_->SetSkinDataName(skin_.upDownName);
        upDown_->SetSkinData(SkinData());
        upDown_->ChangeSkinData();
    }
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
    return geometry.InTab(visibleIndex, CloseButtonInTab(tab.size(), closeButtonSize_));
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
    update(QRect(0, 0, width(), TabStripHeight() + skin_.ActiveRise()));
}

TabPaintState TbsSkinPageControl::TabState(int visibleIndex) const
{
    TabPaintState state;
    state.setFlag(TabPaintFlag::Active, visibleIndex == TabIndex());
    state.setFlag(TabPaintFlag::MouseIn, visibleIndex == hotTab_);
    state.setFlag(TabPaintFlag::Focused, hasFocus());
    return state;
}

void TbsSkinPageControl::paintEvent(QPaintEvent* event)
{
    if (width() < 1 || height() < 1)
        return;
    ReadSkin();
    QPainter painter(this);
    if (skin_.valid)
        PaintSkinnedControl(painter, event->region());
    else
        PaintPlainControl(painter);
}

void TbsSkinPageControl::PaintPlainControl(QPainter& painter)
{
    PaintPlainPageFrame(painter, rect(), PageArea());
    const TabStripGeometry geometry = StripGeometry();
    for (int i = geometry.scrolledTabs; i < geometry.tabWidths.size(); ++i)
        PaintTab(painter, i, geometry.TabRect(i));
}

QRect TbsSkinPageControl::ActiveTabArea() const
{
    const TabStripGeometry geometry = StripGeometry();
    if (!geometry.Shown(TabIndex()))
        return QRect();
    return geometry.TabRect(TabIndex()).adjusted(0, 0, 0, skin_.ActiveRise());
}

bool TbsSkinPageControl::PaintSkinBackground(QPainter& painter, const QRect& area) const
{
    if (!skin_.valid)
        return false;
    PaintSkinnedPageBackground(painter, skin_, area);
    return true;
}

void TbsSkinPageControl::PaintSkinnedControl(QPainter& painter, const QRegion& dirty)
{
    const int stripHeight = TabStripHeight();
    const QRect activeArea = ActiveTabArea();
    painter.setClipRegion(QRegion(rect()) - activeArea);
    // Hover and scrolling repaint the strip alone; the frame below it stays as it is.
    const QRect frame(0, stripHeight, width(), height() - stripHeight);
    if (dirty.intersects(frame))
        PaintSkinnedPageFrame(painter, skin_, frame);
    if (VisibleTabCount() == 0)
        PaintSkinnedPageBackground(painter, skin_, PageArea());

    QImage strip(width(), stripHeight, QImage::Format_ARGB32_Premultiplied);
    strip.fill(Qt::transparent);
    {
        QPainter canvas(&strip);
        // A control without a parent has nothing behind it to show.
        if (tabsBGTransparent_ && parentWidget())
            PaintParentBackground(this, canvas);
        else
            PaintSkinnedStripBackground(canvas, skin_, strip.rect());
        const TabStripGeometry geometry = StripGeometry();
        for (int i = geometry.scrolledTabs; i < geometry.tabWidths.size(); ++i) {
            if (i != TabIndex())
                PaintTab(canvas, i, geometry.TabRect(i));
        }
    }
    painter.drawImage(0, 0, strip);
    painter.setClipping(false);
    if (!activeArea.isEmpty())
        PaintTab(painter, TabIndex(), activeArea);
}

void TbsSkinPageControl::PaintTab(QPainter& target, int visibleIndex, QRect place)
{
    if (place.isEmpty())
        return;
    const TabPaintState state = TabState(visibleIndex);
    QImage bitmap(place.size(), QImage::Format_ARGB32_Premultiplied);
    bitmap.fill(Qt::transparent);
    QRect captionRect = bitmap.rect();
    {
        QPainter canvas(&bitmap);
        if (skin_.valid) {
            canvas.setCompositionMode(QPainter::CompositionMode_Source);
            canvas.drawImage(0, 0, SkinnedTabFace(skin_, bitmap.size(), state, tabHeight_ > 0));
            canvas.setCompositionMode(QPainter::CompositionMode_SourceOver);
            canvas.setFont(useSkinFont_ ? skin_.font : Font());
            canvas.setPen(skin_.TabFontColor(state));
            if (skin_.showFocus && state.testFlag(TabPaintFlag::Active) && state.testFlag(TabPaintFlag::Focused))
                DrawDottedFocusRect(canvas, bitmap.rect().adjusted(skin_.focusOffsetX, skin_.focusOffsetY,
                                                                   -skin_.focusOffsetX, -skin_.focusOffsetY));
            if (skin_.ActiveRise() > 0 && !state.testFlag(TabPaintFlag::Active))
                captionRect.translate(0, 2);
        } else {
            PaintPlainTabBackground(canvas, bitmap.size(), state);
            canvas.setFont(Font());
            canvas.setPen(FontColor());
        }
        canvas.setBrush(Qt::NoBrush);
        DrawTabFace(canvas, visibleIndex, bitmap.rect(), captionRect, state);
        if (showCloseButtons_)
            DrawCloseButton(canvas, visibleIndex, bitmap.size());
    }
    target.drawImage(place.topLeft(), bitmap);
}

void TbsSkinPageControl::DrawCloseButton(QPainter& canvas, int visibleIndex, QSize bitmap)
{
    const CloseButtonFlags flags = closeButtons_.value(PageOfTab(visibleIndex));
    const QRect place = CloseButtonInTab(bitmap, closeButtonSize_);
    if (skin_.valid && !skin_.closeRect.isEmpty())
        PaintSkinnedCloseButton(canvas, skin_, place, flags.hot, flags.pressed);
    else
        PaintPlainCloseButton(canvas, place, flags.hot || flags.pressed);
}

void TbsSkinPageControl::DrawTabFace(QPainter& canvas, int visibleIndex, QRect bitmapRect, QRect captionRect,
                                     TabPaintState state)
{
    const TTabSheet* page = PageOfTab(visibleIndex);
    if (TApplicationEvents::CallHook(OnDrawSkinTab, page->PageIndex(), bitmapRect, state.testFlag(TabPaintFlag::Active),
                                     state.testFlag(TabPaintFlag::MouseIn), &canvas))
        return;
    const int closeRoom = showCloseButtons_ ? closeButtonSize_ + 2 : 0;
    // Tab captions here are page titles, not accelerator captions: an "&" is drawn.
    DrawSingleLineText(canvas, page->Caption(), captionRect.adjusted(0, 0, -closeRoom, 0), Qt::AlignHCenter,
                       SkinTextMode::Literal);
}

void TbsSkinPageControl::TabsMoved()
{
    CheckScroll();
}

int TbsSkinPageControl::LastScroll(int arrowsWidth) const
{
    TabStripGeometry geometry = StripGeometry();
    const int last = int(geometry.tabWidths.size()) - 1;
    const int limit = width() - 3 - arrowsWidth;
    for (geometry.scrolledTabs = 0; geometry.scrolledTabs < last; ++geometry.scrolledTabs) {
        if (RightOf(geometry.TabRect(last)) <= limit)
            break;
    }
    return qMax(0, geometry.scrolledTabs);
}

void TbsSkinPageControl::CheckScroll()
{
    if (LastScroll(0) == 0) {
        scrolledTabs_ = 0;
        if (upDown_) {
            // The arrows may be in the middle of their own click.
            upDown_->hide();
            upDown_->deleteLater();
            upDown_ = nullptr;
            RepaintStrip();
        }
        return;
    }
    if (!upDown_)
        CreateArrows();
    PlaceArrows();
    const int last = LastScroll(upDown_->width());
    upDown_->SetMax(last);
    if (scrolledTabs_ > last) {
        scrolledTabs_ = last;
        RepaintStrip();
    }
}

void TbsSkinPageControl::CreateArrows()
{
    upDown_ = new TbsSkinUpDown(this);
    upDown_->setObjectName(QStringLiteral("bsSkinUpDown"));
    upDown_->resize(2 * defaultItemHeight_, defaultItemHeight_);
    upDown_->SetSkinDataName(skin_.upDownName);
    upDown_->SetSkinData(SkinData());
    upDown_->SetMin(0);
    upDown_->SetIncrement(1);
    upDown_->SetMax(LastScroll(upDown_->width()));
    upDown_->SetPosition(scrolledTabs_);
    connect(upDown_, &TbsSkinUpDown::OnChange, this, [this] { ArrowsMoved(); });
    upDown_->show();
}

void TbsSkinPageControl::PlaceArrows()
{
    // The skin's size rule has the last word on the arrows' size; they sit at the strip's right end.
    upDown_->move(width() - upDown_->width(), 0);
}

void TbsSkinPageControl::ArrowsMoved()
{
    if (!upDown_)
        return;
    upDown_->SetMax(LastScroll(upDown_->width()));
    scrolledTabs_ = upDown_->Position();
    hotTab_ = -1;
    RepaintStrip();
}
