#include "framework/TPageControl.h"

#include "framework/TApplicationEvents.h"
#include "framework/TTabSheet.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace {
// Room left and right of a caption on a tab of the framework's own look.
constexpr int kCaptionPadding = 6;
}

TPageControl::TPageControl(QWidget* parent)
    : TControl(parent), fontColor_(palette().color(QPalette::ButtonText))
{
    setFocusPolicy(Qt::StrongFocus);
}

TPageControl::~TPageControl()
{
    // The sheets die with this widget's children, after this class is gone: they must not call
    // back into it, and no page change is announced on the way out.
    for (TTabSheet* page : pages_)
        page->pageControl_ = nullptr;
}

TTabSheet* TPageControl::Page(int index) const
{
    return index >= 0 && index < PageCount() ? pages_[index] : nullptr;
}

int TPageControl::IndexOfPage(const TTabSheet* page) const
{
    return static_cast<int>(pages_.indexOf(page));
}

void TPageControl::SetActivePage(TTabSheet* page)
{
    if (page == activePage_ || (page && page->PageControl() != this))
        return;
    TTabSheet* previous = activePage_;
    activePage_ = page;
    if (previous)
        previous->setVisible(false);
    if (page) {
        page->setGeometry(PageArea());
        page->setVisible(true);
        page->update();
    }
    ActivePageChanged();
    TApplicationEvents::Guard([this] { Q_EMIT OnChange(this); });
    update();
}

int TPageControl::TabIndex() const
{
    return VisibleIndexOf(activePage_);
}

int TPageControl::VisibleIndexOf(const TTabSheet* page) const
{
    if (!page || !page->TabVisible())
        return -1;
    int visibleIndex = 0;
    for (const TTabSheet* each : pages_) {
        if (each == page)
            return visibleIndex;
        visibleIndex += each->TabVisible() ? 1 : 0;
    }
    return -1;
}

int TPageControl::VisibleTabCount() const
{
    return static_cast<int>(std::count_if(pages_.begin(), pages_.end(),
                                          [](const TTabSheet* page) { return page->TabVisible(); }));
}

TTabSheet* TPageControl::PageOfTab(int visibleIndex) const
{
    if (visibleIndex < 0)
        return nullptr;
    for (TTabSheet* page : pages_) {
        if (page->TabVisible() && visibleIndex-- == 0)
            return page;
    }
    return nullptr;
}

QRect TPageControl::PageArea() const
{
    const int top = TabStripHeight() + 1;
    return QRect(QPoint(1, top), QPoint(width() - 2, height() - 2));
}

void TPageControl::SetFont(const QFont& font)
{
    if (font == font_)
        return;
    font_ = font;
    Realign();
}

void TPageControl::SetFontColor(const QColor& color)
{
    if (color == fontColor_)
        return;
    fontColor_ = color;
    update();
}

QRect TPageControl::FrameworkTabRect(int visibleIndex) const
{
    int left = 0;
    for (int i = 0; i < visibleIndex; ++i)
        left += FrameworkTabWidth(PageOfTab(i));
    const TTabSheet* page = PageOfTab(visibleIndex);
    return page ? QRect(left, 0, FrameworkTabWidth(page), TabStripHeight()) : QRect();
}

int TPageControl::FrameworkTabWidth(const TTabSheet* page) const
{
    return QFontMetrics(font_).horizontalAdvance(page->Caption()) + 2 * kCaptionPadding;
}

int TPageControl::TabStripHeight() const
{
    return QFontMetrics(font_).height() + kCaptionPadding;
}

void TPageControl::Realign()
{
    if (activePage_)
        activePage_->setGeometry(PageArea());
    TabsMoved();
    update();
}

void TPageControl::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Button));
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(PageArea().adjusted(-1, -1, 0, 0));
    painter.setFont(font_);
    const int active = TabIndex();
    for (int i = 0; i < VisibleTabCount(); ++i) {
        const QRect tab = FrameworkTabRect(i);
        if (i == active)
            painter.fillRect(tab, palette().color(QPalette::Base));
        painter.setPen(palette().color(QPalette::Dark));
        painter.drawRect(tab.adjusted(0, 0, -1, -1));
        painter.setPen(fontColor_);
        painter.drawText(tab, Qt::AlignCenter | Qt::TextSingleLine, PageOfTab(i)->Caption());
    }
}

void TPageControl::resizeEvent(QResizeEvent* event)
{
    TControl::resizeEvent(event);
    Realign();
}

void TPageControl::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        SelectTabAt(event->position().toPoint());
    TControl::mousePressEvent(event);
}

void TPageControl::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        SelectTabAt(event->position().toPoint());
    TControl::mouseDoubleClickEvent(event);
}

void TPageControl::SelectTabAt(QPoint position)
{
    for (int i = 0; i < VisibleTabCount(); ++i) {
        if (FrameworkTabRect(i).contains(position)) {
            SetActivePage(PageOfTab(i));
            return;
        }
    }
}

void TPageControl::InsertPage(TTabSheet* page)
{
    page->setParent(this);
    page->setVisible(false);
    page->pageControl_ = this;
    pages_.append(page);
    if (!activePage_)
        SetActivePage(page);
    TabsMoved();
    update();
}

void TPageControl::RemovePage(TTabSheet* page)
{
    const int index = IndexOfPage(page);
    if (index < 0)
        return;
    pages_.removeAt(index);
    page->pageControl_ = nullptr;
    page->setVisible(false);
    PageRemoved(page);
    if (pages_.isEmpty())
        SetActivePage(nullptr);
    else
        SetActivePage(pages_[index < PageCount() ? index : 0]);
    TabsMoved();
    update();
}

void TPageControl::PageRemoved(TTabSheet*)
{
}

void TPageControl::TabsMoved()
{
}

void TPageControl::ActivePageChanged()
{
}

void TPageControl::TabsChanged()
{
    TabsMoved();
    update();
}

void TPageControl::TabHidden(TTabSheet* page)
{
    // The active page does not stay on show without a tab: the tab that took its place is
    // selected, or the last one when it was the last.
    if (page == activePage_) {
        const int next = IndexOfPage(page);
        auto following = std::find_if(pages_.begin() + next, pages_.end(),
                                      [](const TTabSheet* p) { return p->TabVisible(); });
        SetActivePage(following != pages_.end() ? *following : PageOfTab(VisibleTabCount() - 1));
    }
    TabsMoved();
    update();
}
