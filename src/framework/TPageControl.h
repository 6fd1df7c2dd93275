#pragma once

#include "framework/TControl.h"

#include <QColor>
#include <QFont>
#include <QList>

class TTabSheet;

// The framework's page control: pages with one tab each, one page shown at a time in the page
// area. A left click on a tab activates its page. Removing a page makes the page after it
// active, or the first page when it was the last.
class TPageControl : public TControl {
    Q_OBJECT
public:
    explicit TPageControl(QWidget* parent = nullptr);
    ~TPageControl() override;

    int PageCount() const { return static_cast<int>(pages_.size()); }
    // nullptr when the index is out of range.
    TTabSheet* Page(int index) const;
    int IndexOfPage(const TTabSheet* page) const;

    TTabSheet* ActivePage() const { return activePage_; }
    // Ignores sheets of other controls; nullptr shows no page.
    void SetActivePage(TTabSheet* page);

    // Visible index of the active page's tab; -1 without an active page or when its tab is hidden.
    int TabIndex() const;
    int VisibleTabCount() const;
    // Page of the tab at a visible index; nullptr when out of range.
    TTabSheet* PageOfTab(int visibleIndex) const;
    // Visible index of a page's tab; -1 when the page is not here or its tab is hidden.
    int VisibleIndexOf(const TTabSheet* page) const;

    // Where the active sheet is laid out, filling it (right and bottom exclusive).
    virtual QRect PageArea() const;

    QFont Font() const { return font_; }
    void SetFont(const QFont& font);
    QColor FontColor() const { return fontColor_; }
    void SetFontColor(const QColor& color);

    bool OwnerDraw() const { return ownerDraw_; }
    void SetOwnerDraw(bool ownerDraw) { ownerDraw_ = ownerDraw; }

Q_SIGNALS:
    void OnChange(QObject* Sender);

protected:
    // The tab rectangles the framework selects by: the page control's own layout, before any
    // shift a derived control paints its strip with.
    virtual QRect FrameworkTabRect(int visibleIndex) const;
    // Width the framework gives a tab of automatic size: its caption with some room.
    int FrameworkTabWidth(const TTabSheet* page) const;
    // Height of the strip above the page area.
    virtual int TabStripHeight() const;
    // Lays the sheets out in the page area again and repaints; for anything that moves tabs.
    void Realign();
    // Called after a page has left the control, before another page is activated.
    virtual void PageRemoved(TTabSheet* page);
    // Called whenever tabs may have moved or changed: a page came or went, a tab was shown,
    // hidden or renamed, or the control laid its pages out again.
    virtual void TabsMoved();
    // Called after the active page has changed, before OnChange fires.
    virtual void ActivePageChanged();

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    friend class TTabSheet;

    void InsertPage(TTabSheet* page);
    void RemovePage(TTabSheet* page);
    void TabsChanged();
    void TabHidden(TTabSheet* page);
    void SelectTabAt(QPoint position);

    QList<TTabSheet*> pages_;
    TTabSheet* activePage_ = nullptr;
    QFont font_;
    QColor fontColor_;
    bool ownerDraw_ = false;
};
