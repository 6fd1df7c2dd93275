#include "skinui/TabStripGeometry.h"

#include "skinui/SkinRect.h"

#include <numeric>

int TabStripGeometry::StripOffset() const
{
    if (tabsOffset > 0)
        return tabsOffset;
    if (fixedTabWidth <= 0)
        return 0;
    // Each half is truncated on its own, as the centring has always been computed.
    const qint64 strip = qint64(fixedTabWidth) * tabWidths.size();
    const qint64 offset = controlWidth / 2 - strip / 2;
    return offset > 0 ? static_cast<int>(offset) : 0;
}

bool TabStripGeometry::OffsetInEffect() const
{
    return tabsOffset > 0 || tabsInCenter;
}

int TabStripGeometry::EffectiveOffset() const
{
    return OffsetInEffect() ? StripOffset() : 0;
}

QRect TabStripGeometry::TabRect(int visibleIndex) const
{
    if (visibleIndex < 0 || visibleIndex >= tabWidths.size())
        return QRect();
    const auto sumTo = [this](int count) {
        return std::accumulate(tabWidths.begin(), tabWidths.begin() + count, 0);
    };
    const int origin = EffectiveOffset() - sumTo(qBound(0, scrolledTabs, int(tabWidths.size())));
    const int left = origin + sumTo(visibleIndex) + (visibleIndex == 0 ? 1 : 0);
    const int right = origin + sumTo(visibleIndex + 1);
    return QRect(left, 0, right - left, tabHeight);
}

bool TabStripGeometry::Shown(int visibleIndex) const
{
    return visibleIndex >= qMax(0, scrolledTabs) && visibleIndex < tabWidths.size();
}

int TabStripGeometry::TabAt(QPoint point) const
{
    for (int i = 0; i < tabWidths.size(); ++i) {
        if (Shown(i) && TabRect(i).contains(point))
            return i;
    }
    return -1;
}

QRect TabStripGeometry::InTab(int visibleIndex, const QRect& inTab) const
{
    const QRect tab = TabRect(visibleIndex);
    return tab.isNull() ? QRect() : inTab.translated(tab.topLeft());
}

QRect CloseButtonInTab(QSize tab, int buttonSize)
{
    return QRect(tab.width() - buttonSize - 2, (tab.height() - buttonSize) / 2, buttonSize, buttonSize);
}

namespace {

// Whether the tab at index lies clear of arrows that wide with the strip scrolled by scroll.
bool ClearAt(TabStripGeometry geometry, int index, int scroll, int arrowsWidth)
{
    geometry.scrolledTabs = scroll;
    return RightOf(geometry.TabRect(index)) <= geometry.controlWidth - 3 - arrowsWidth;
}

}  // namespace

int TabStripGeometry::LastScroll(int arrowsWidth) const
{
    const int last = int(tabWidths.size()) - 1;
    int scroll = 0;
    while (scroll < last && !ClearAt(*this, last, scroll, arrowsWidth))
        ++scroll;
    return qMax(0, scroll);
}

int TabStripGeometry::ScrollShowing(int visibleIndex, int arrowsWidth) const
{
    if (visibleIndex < 0 || visibleIndex >= tabWidths.size())
        return scrolledTabs;
    const int last = LastScroll(arrowsWidth);
    int scroll = qMin(scrolledTabs, visibleIndex);
    while (scroll < qMin(visibleIndex, last) && !ClearAt(*this, visibleIndex, scroll, arrowsWidth))
        ++scroll;
    return qMin(scroll, last);
}
