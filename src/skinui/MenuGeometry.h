#pragma once

#include <QList>
#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>

// Where the parts of one popup menu level lie: the window's size, the items rectangle, each
// item's rectangle for a given first shown item, and the two scroll markers. Painting,
// pointer tracking and the keyboard all read the same value.
//
// Items are stacked from the items rectangle's top in their heights, each as wide as the
// rectangle; an item that would end below the rectangle is not shown. A level scrolls when it
// holds more items than it may show at once (maxItems) or is taller than the work area; it
// is then cut, and 10-pixel scroll markers take the top and bottom of the items rectangle.
class MenuGeometry {
public:
    static constexpr int kMarkerHeight = 10;

    struct Sizing {
        QMargins itemsMargins;  // the items rectangle inside the window
        int itemWidth = 0;      // width of every item
        QList<int> heights;     // item heights, in order
        int maxItems = 0;       // the most items shown at once; 0 for no limit
        int limitItemHeight = 0;// an item's height when maxItems limits the level
        int workAreaHeight = 0; // the most the window may take
        bool plainMarkers = false; // markers inset from the window's frame instead of the items rectangle
    };

    MenuGeometry() = default;
    explicit MenuGeometry(const Sizing& sizing);

    QSize Size() const { return size_; }
    QRect ItemsRect() const { return itemsRect_; }
    int Count() const { return int(heights_.size()); }
    bool Scrolling() const { return scrolling_; }
    // Cut to the work area's height (not merely limited to maxItems): such a level is placed
    // at the work area's top.
    bool ScrollsByHeight() const { return scrollsByHeight_; }

    // The rectangle of item index while items from top on are shown; empty when it is not shown.
    QRect ItemRect(int index, int top) const;
    // The last item shown from top on; top - 1 when none fits.
    int LastShown(int top) const;
    // The first shown item that brings index on screen: top itself when it is shown already.
    int TopShowing(int index, int top) const;
    // The item under a point (inclusive on all four sides), among those shown; -1 for none.
    int ItemAt(const QPoint& point, int top) const;
    // The scroll markers; empty when the level does not scroll.
    QRect UpMarker() const;
    QRect DownMarker() const;

private:
    QRect Stack() const;

    QSize size_;
    QRect itemsRect_;
    QList<int> heights_;
    bool scrolling_ = false;
    bool scrollsByHeight_ = false;
    bool plainMarkers_ = false;
};
