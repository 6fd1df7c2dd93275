#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

// Where the tabs of a page control with one row of tabs on top lie. Painting, hover tracking
// and the mouse shift all read their rectangles from here.
struct TabStripGeometry {
    int controlWidth = 0;
    int tabsOffset = 0;          // the control's TabsOffset
    bool tabsInCenter = false;
    int fixedTabWidth = 0;       // the control's TabWidth; 0 or less: each tab its own width
    int tabHeight = 0;
    QList<int> tabWidths;        // width of each visible tab, in order
    int scrolledTabs = 0;        // tabs scrolled out to the left

    // The strip's distance from the left edge, whether or not it is in effect.
    int StripOffset() const;
    bool OffsetInEffect() const;
    // The distance tabs are drawn further right than the framework lays them out.
    int EffectiveOffset() const;
    // Rectangle of the tab at a visible index; the first tab starts one pixel further right.
    // Tabs scrolled out lie left of the strip (and may still reach into the control).
    QRect TabRect(int visibleIndex) const;
    // Whether the tab at a visible index is on show: there is such a tab and it is not scrolled
    // out. Only tabs on show are drawn and can be hit.
    bool Shown(int visibleIndex) const;
    // First tab on show containing the point, -1 for none.
    int TabAt(QPoint point) const;
    // A rectangle given relative to the tab's own bitmap (as its painting sees it), in control
    // coordinates; empty for a visible index without a tab.
    QRect InTab(int visibleIndex, const QRect& inTab) const;
    // A point as the framework reports it (left-button positions less the offset in effect)
    // back in control coordinates.
    QPoint FromFramework(QPoint point) const { return point + QPoint(EffectiveOffset(), 0); }

    // Scrolling, for arrows arrowsWidth wide at the strip's right end (0: none). A tab is clear
    // of them when its right edge lies at most at the control's width less 3 less their width.
    // The least scroll that brings the last tab clear; 0 when every tab fits.
    int LastScroll(int arrowsWidth) const;
    // The scroll nearest to scrolledTabs at which the tab at a visible index is wholly on show
    // and clear of the arrows, never beyond LastScroll.
    int ScrollShowing(int visibleIndex, int arrowsWidth) const;
};

// A tab's close button, relative to the tab: at its right end, vertically centred.
QRect CloseButtonInTab(QSize tab, int buttonSize);
