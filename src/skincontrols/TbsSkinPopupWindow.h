#pragma once

#include "skincontrols/TbsSkinMenuItem.h"
#include "skinui/MenuGeometry.h"
#include "skinui/MenuSkin.h"

#include <QFont>
#include <QImage>
#include <QWidget>

#include <functional>
#include <vector>

class TMenuItem;
class TTimer;

// What a level is built with: the menu's skin (copied when the menu opens), the item font,
// the plain look's item height, the most items shown at once (0: as many as fit) and the
// height of the work area the level must fit in.
struct PopupLevelSettings {
    MenuSkin skin;
    QFont font;
    int defaultItemHeight = 20;
    int maxItems = 0;
    int workAreaHeight = 0;
    // No window of the application has the keyboard (its owner is hidden or minimized): the
    // first level takes it while it is open, so that the menu's keys work.
    bool takeKeyboard = false;
};

// One open level of a skinned popup menu: a frameless top-level window that never takes the
// focus (its owner keeps its active look), holding one TbsSkinMenuItem per shown child of a
// menu item. It tracks the pointer every 50 ms (the item under a moved pointer becomes the
// selection), scrolls one item per 100 ms while the pointer rests on a scroll marker, and
// reports every selection through its callback; its menu routes keys and clicks to it.
class TbsSkinPopupWindow : public QWidget {
    Q_OBJECT
public:
    enum class ScrollMarker { None, Up, Down };
    static constexpr int kTrackInterval = 50;
    static constexpr int kScrollInterval = 100;
    static constexpr int kFadeInterval = 5;

    // Builds the level for the children of item from firstIndex on; selected hears every
    // selection the pointer, the keyboard or the preview makes.
    TbsSkinPopupWindow(const PopupLevelSettings& settings, TMenuItem& item, int firstIndex, int level,
                       std::function<void(int index)> selected);

    int Level() const { return level_; }
    const MenuSkin& Skin() const { return settings_.skin; }
    const MenuGeometry& Geometry() const { return geometry_; }
    int ItemCount() const { return int(items_.size()); }
    const TbsSkinMenuItem& Item(int index) const { return items_.at(std::size_t(index)); }
    int Selected() const { return selected_; }
    // The first shown item while the level scrolls.
    int TopIndex() const { return top_; }
    ScrollMarker ActiveMarker() const { return marker_; }

    // Shows the level at topLeft without activating it, at alpha (0..255; -1 opaque) reached
    // by fading in when fade is set, highlights its first selectable item and starts tracking.
    void ShowAt(const QPoint& topLeft, int alpha, bool fade);
    // Hides the level for good and frees it once control is back in the event loop. It does
    // nothing more after this.
    void Dismiss();

    // Highlights index alone (-1: nothing), scrolling it into view: the look of a level that
    // opens. Separators are never highlighted.
    void Highlight(int index);
    // The selection of the pointer, the keyboard and the preview: Highlight, then the callback
    // (the menu closes deeper levels and starts the sub-menu wait).
    void SelectItem(int index);
    // Selects the next (step 1) or previous (step -1) selectable item, wrapping around.
    void MoveSelection(int step);
    // Marks the item at index as the one showing its sub-menu (-1: none does any more).
    void MarkSubMenuOpen(int index, bool byKeyboard);

    int FirstSelectable() const;
    // The first selectable item whose caption has key as its accelerator; -1 for none.
    int AcceleratorItem(QChar key) const;
    // The shown item under a screen point; -1 for none.
    int ItemAtGlobal(const QPoint& global) const;
    QRect ItemScreenRect(int index) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void BuildItems(TMenuItem& item, int firstIndex);
    void Layout();
    QList<int> ItemHeights() const;
    int TextWidth() const;
    void Track();
    void TrackMarkers(const QPoint& local);
    void StartScrolling(ScrollMarker marker);
    void StopScrolling();
    void ScrollStep();
    void ScrollTo(int top);
    void FadeStep();
    void RepaintItem(int index);
    void EnsureGrabs();

    PopupLevelSettings settings_;
    std::function<void(int index)> onSelected_;
    int level_;
    std::vector<TbsSkinMenuItem> items_;
    MenuGeometry geometry_;
    QImage background_;
    int selected_ = -1;
    int top_ = 0;
    ScrollMarker marker_ = ScrollMarker::None;
    QPoint lastCursor_;
    bool dismissed_ = false;
    bool pointerGrabbed_ = false;
    bool keyboardGrabbed_ = false;
    int fadeTarget_ = 0;
    int fadeAlpha_ = 0;
    TTimer* trackTimer_;
    TTimer* scrollTimer_;
    TTimer* fadeTimer_;
};
