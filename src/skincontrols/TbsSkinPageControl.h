#pragma once

#include "framework/TPageControl.h"
#include "skincontrols/SkinDataLink.h"
#include "skincontrols/TabStripPainting.h"

#include <QFont>
#include <QPointer>
#include <QRect>
#include <QString>

#include <functional>

class QPainter;
class TbsSkinData;
class TabStripArrows;
class TbsSkinUpDown;

// Events the page control asks its owner to draw or to decide; one handler each. A tab is
// drawn by its page index (TabIndex, counting pages with hidden tabs) and its place in the
// strip (VisibleIndex).
using TbsDrawSkinTabEvent =
    std::function<void(int TabIndex, int VisibleIndex, QRect Rct, bool Active, bool MouseIn, QPainter* Cnvs)>;
using TbsCloseEvent = std::function<void(TTabSheet* Page, bool& CanClose)>;

// Page control whose face the skin engine paints, from the "tab" object (SkinDataName) of its
// SkinData store or in a plain look. Every tab is drawn into a bitmap of its own size; a
// handler of OnDrawSkinTab may paint that bitmap instead of the control. The tab strip can be
// moved right by TabsOffset or centred; left-button positions then reach the framework and the
// mouse events less that shift. With TabsBGTransparent the empty part of a skinned strip shows
// what lies behind the control.
//
// When the tabs do not fit, skinned arrows (TbsSkinUpDown) appear at the strip's right end;
// each step scrolls the strip by one tab, up to the last tab lying clear of the arrows, and
// every change of the active page scrolls the strip so that the active tab is wholly on show.
// The arrows go again once every tab fits.
//
// The skin is copied (TabControlSkin) in the skin-change step only, which runs on every load
// of its store (SkinDataLink), when SkinData is set and when SkinDataName or UseSkinFont
// change; painting (TabStripPainting) reads that copy and the control's state.
class TbsSkinPageControl : public TPageControl {
    Q_OBJECT
public:
    explicit TbsSkinPageControl(QWidget* parent = nullptr);
    ~TbsSkinPageControl() override;

    TbsSkinData* SkinData() const { return link_.Store(); }
    void SetSkinData(TbsSkinData* store);
    // The skin-change step: copies the skin again, takes its font, tab height and arrows' skin
    // name, and repaints itself and the active page.
    void ChangeSkinData();
    // What the control draws with; not valid while it draws plainly.
    const TabControlSkin& Skin() const { return skin_; }
    // The page area as the skin's frame leaves it, or inside a one-pixel frame without a skin.
    QRect PageArea() const override;
    // Fills area with the skin's page background; false without a skin (nothing drawn).
    bool PaintSkinBackground(QPainter& painter, const QRect& area) const;

    qint16 TabWidth() const { return tabWidth_; }
    void SetTabWidth(qint16 width);
    qint16 TabHeight() const { return tabHeight_; }
    void SetTabHeight(qint16 height);
    int TabsOffset() const { return tabsOffset_; }
    // A positive offset also makes the strip background transparent.
    void SetTabsOffset(int offset);
    bool TabsInCenter() const { return tabsInCenter_; }
    // Refused while TabWidth is 0: there is no strip width to centre.
    void SetTabsInCenter(bool center);
    bool TabsBGTransparent() const { return tabsBGTransparent_; }
    void SetTabsBGTransparent(bool transparent);
    int DefaultItemHeight() const { return defaultItemHeight_; }
    void SetDefaultItemHeight(int height);

    int TabSpacing() const { return tabSpacing_; }
    void SetTabSpacing(int spacing);
    int TabMargin() const { return tabMargin_; }
    // Margins below -1 are refused; -1 centres image and caption.
    void SetTabMargin(int margin);
    bool TabExtededDraw() const { return tabExtededDraw_; }
    void SetTabExtededDraw(bool extended);
    bool TextInHorizontal() const { return textInHorizontal_; }
    void SetTextInHorizontal(bool horizontal);
    bool ShowCloseButtons() const { return showCloseButtons_; }
    void SetShowCloseButtons(bool show);
    bool FreeOnClose() const { return freeOnClose_; }
    void SetFreeOnClose(bool freeOnClose) { freeOnClose_ = freeOnClose; }
    bool MouseWheelSupport() const { return mouseWheelSupport_; }
    void SetMouseWheelSupport(bool support) { mouseWheelSupport_ = support; }
    QString SkinDataName() const { return skinDataName_; }
    void SetSkinDataName(const QString& name);
    bool UseSkinFont() const { return useSkinFont_; }
    void SetUseSkinFont(bool use);
    QFont DefaultFont() const { return defaultFont_; }
    void SetDefaultFont(const QFont& font);

    // Tabs scrolled out to the left of the strip.
    int ScrolledTabs() const { return scrolledTabs_; }
    // The scroll arrows; nullptr while every tab fits.
    TbsSkinUpDown* UpDown() const;
    // Where the tabs lie now; painting, hover tracking and the mouse shift all read it.
    TabStripGeometry StripGeometry() const;
    // The tab's place in the control, by visible index; empty when there is no such tab.
    QRect TabRect(int visibleIndex) const;
    // The close button of the tab at a visible index in the control; empty without close buttons.
    QRect CloseButtonRect(int visibleIndex) const;
    // Visible index of the tab under the pointer, -1 for none.
    int HotTab() const { return hotTab_; }
    // Repaints the whole control at once.
    void Refresh();

    // Owner draw of one tab on the canvas of its own bitmap; Rct is that bitmap's rectangle.
    // While it is set the control draws no caption of its own.
    TbsDrawSkinTabEvent OnDrawSkinTab;
    // A close button was clicked; clearing CanClose keeps the page.
    TbsCloseEvent OnClose;

Q_SIGNALS:
    void OnAfterClose(QObject* Sender);

protected:
    QRect FrameworkTabRect(int visibleIndex) const override;
    int TabStripHeight() const override;
    void TabsMoved() override;
    void ActivePageChanged() override;

    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void PageRemoved(TTabSheet* page) override;

private:
    // The event as the framework sees it: left-button X less the strip offset in effect.
    QMouseEvent FrameworkMouseEvent(const QMouseEvent& event) const;
    void TrackHotTab(QPoint position);
    void SetHotTab(int visibleIndex);
    void RepaintStrip();
    void TrackCloseButton(QPoint position);
    void PressCloseButton(QPoint position);
    void ReleaseCloseButton(QPoint position);
    void ClosePage(TTabSheet* page);
    void SetCloseFlags(TTabSheet* hot, TTabSheet* pressed);
    TTabSheet* NeighbourWithTab(int step) const;
    // Sets field to value; whether it changed.
    template <class Field>
    static bool Changed(Field& field, const Field& value);
    // Takes a skin value: font, close buttons, tab height, arrows; repaints.
    void ApplySkin(const TabControlSkin& skin);
    void ForgetSkin();
    TabStripState StripState() const;
    void DrawTabFace(QPainter& canvas, int visibleIndex, const QRect& bitmapRect, const QRect& captionRect,
                     TabPaintState state);
    // Scrolls the strip by scroll tabs, and tells the arrows.
    void ScrollTo(int scroll);

    qint16 tabWidth_ = 0;
    qint16 tabHeight_ = 0;
    int tabsOffset_ = 0;
    bool tabsInCenter_ = false;
    bool tabsBGTransparent_ = false;
    int defaultItemHeight_ = 20;
    int tabSpacing_ = 1;
    int tabMargin_ = -1;
    bool tabExtededDraw_ = false;
    bool textInHorizontal_ = false;
    bool showCloseButtons_ = false;
    bool freeOnClose_ = false;
    bool mouseWheelSupport_ = false;
    QString skinDataName_;
    bool useSkinFont_ = true;
    QFont defaultFont_;
    int scrolledTabs_ = 0;
    int hotTab_ = -1;
    int closeButtonSize_;
    // The page whose close button is under the pointer, and the one whose button is held.
    QPointer<TTabSheet> closeHot_;
    QPointer<TTabSheet> closePressed_;
    SkinDataLink link_;
    TabControlSkin skin_;
    TabStripArrows* arrows_;
};
