#pragma once

#include "framework/TPageControl.h"
#include "skinui/PlainTabPainting.h"
#include "skinui/TabStripGeometry.h"

#include <QFont>
#include <QHash>
#include <QRect>
#include <QString>

#include <functional>

class QPainter;

// Events the page control asks its owner to draw or to decide; one handler each.
using TbsDrawSkinTabEvent = std::function<void(int TabIndex, QRect Rct, bool Active, bool MouseIn, QPainter* Cnvs)>;
using TbsCloseEvent = std::function<void(TTabSheet* Page, bool& CanClose)>;

// Page control whose face the skin engine paints. Every tab is drawn into a bitmap of its own
// size; a handler of OnDrawSkinTab may paint that bitmap instead of the control. The tab strip
// can be moved right by TabsOffset or centred; left-button positions then reach the framework
// and the mouse events less that shift.
class TbsSkinPageControl : public TPageControl {
    Q_OBJECT
public:
    explicit TbsSkinPageControl(QWidget* parent = nullptr);

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
    void SetDefaultFont(const QFont& font) { defaultFont_ = font; }

    // Tabs scrolled out to the left of the strip.
    int ScrolledTabs() const { return scrolledTabs_; }
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
    // Per page, so that pages of any sheet class can carry a close button.
    struct CloseButtonFlags {
        bool hot = false;
        bool pressed = false;
    };

    // The event as the framework sees it: left-button X less the strip offset in effect.
    QMouseEvent FrameworkMouseEvent(const QMouseEvent& event) const;
    void TrackHotTab(QPoint position);
    void SetHotTab(int visibleIndex);
    void RepaintStrip();
    void TrackCloseButton(QPoint position);
    void PressCloseButton(QPoint position);
    void ReleaseCloseButton(QPoint position);
    void ClosePage(TTabSheet* page);
    TTabSheet* NeighbourWithTab(int step) const;
    TabPaintState TabState(int visibleIndex) const;
    void PaintTab(QPainter& target, int visibleIndex, QRect place);
    void DrawTabFace(QPainter& canvas, int visibleIndex, QRect bitmapRect, TabPaintState state);

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
    QHash<const TTabSheet*, CloseButtonFlags> closeButtons_;
};
