#pragma once

#include "skincontrols/ButtonLook.h"
#include "skincontrols/TbsSkinCustomControl.h"
#include "skinui/GlyphCaption.h"

#include <QList>
#include <QPixmap>
#include <QPointer>
#include <QTimer>

#include <functional>

// Draws a button's content instead of the button: canvas, a flag to clear to suppress the
// glyph and caption, the active and down flags and the client rectangle.
using TbsButtonPaintEvent =
    std::function<void(QPainter* Cnvs, bool& DefaultPaint, bool IsActive, bool IsDown, QRect ClientRect)>;

// A push button drawn from a "button" skin object (or plainly): normal, active (hot, focused
// or active default), down, focused and disabled pictures, glyph and caption.
//
// Clicks: the left button pressed and released over it, Space pressed and released, Enter
// while it has the focus. In its window, Enter clicks the active default button (the focused
// skinned button, else the Default one), Escape a Cancel button, and the caption's accelerator
// key focuses and clicks it, whenever the focused control leaves the key unused. A click sets
// the dialog's result to ModalResult (a modal QDialog ends when it is not 0), then emits OnClick.
class TbsSkinButton : public TbsSkinCustomControl {
    Q_OBJECT
public:
    explicit TbsSkinButton(QWidget* parent = nullptr);
    ~TbsSkinButton() override;

    QString Caption() const { return caption_; }
    void SetCaption(const QString& caption);
    bool Default() const { return default_; }
    void SetDefault(bool isDefault);
    bool Cancel() const { return cancel_; }
    void SetCancel(bool cancel) { cancel_ = cancel; }
    int ModalResult() const { return modalResult_; }
    void SetModalResult(int result) { modalResult_ = result; }
    bool CanFocused() const { return canFocused_; }
    void SetCanFocused(bool canFocused);
    bool UseSkinFontColor() const { return useSkinFontColor_; }
    void SetUseSkinFontColor(bool use);

    bool RepeatMode() const { return repeatMode_; }
    void SetRepeatMode(bool repeat) { repeatMode_ = repeat; }
    int RepeatInterval() const { return repeatInterval_; }
    void SetRepeatInterval(int interval) { repeatInterval_ = interval; }
    // Buttons of one parent with the same GroupIndex (not 0) stay down when clicked and release
    // each other; AllowAllUp lets a click release the one that is down.
    int GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(int index);
    bool AllowAllUp() const { return allowAllUp_; }
    void SetAllowAllUp(bool allow) { allowAllUp_ = allow; }
    bool Down() const { return groupDown_; }
    void SetDown(bool down);

    QImage Glyph() const { return glyph_; }
    void SetGlyph(const QImage& glyph);
    int NumGlyphs() const { return numGlyphs_; }
    void SetNumGlyphs(int count);
    const QList<QPixmap>* ImageList() const { return imageList_; }
    void SetImageList(const QList<QPixmap>* images);
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int index);
    int Margin() const { return margin_; }
    void SetMargin(int margin);
    int Spacing() const { return spacing_; }
    void SetSpacing(int spacing);
    TbsButtonLayout Layout() const { return layout_; }
    void SetLayout(TbsButtonLayout layout);

    // Whether Enter in its window clicks it.
    bool IsActiveDefault() const { return activeDefault_; }
    ButtonState State() const;
    TbsButtonLook Look() const;
    // The click of the button, whatever caused it.
    void Click();

    TbsButtonPaintEvent OnPaint;

protected:
    const TbsDataSkinCustomControl* FindSkinObject() const override;
    void GetSkinData() override;
    void PaintPlain(QPainter& painter) override;
    void PaintSkinned(QPainter& painter) override;

    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    // The fields of the skin object a button draws with.
    struct Skin {
        QFont font;
        QColor normalColor;
        QColor activeColor;
        QColor downColor;
        QColor disabledColor;
        QRect activeRect;
        QRect downRect;
        QRect focusedRect;
        QRect disabledRect;
        bool showFocus = false;
    };

    void PressByMouse();
    // A press and release over the button: grouped buttons change their Down, then it clicks.
    void Trigger();
    void RepeatTick();
    void FocusMoved(QWidget* focused);
    bool HandleDialogKey(const QKeyEvent& key);
    bool CanTakeFocus() const;
    void EndModal();
    void ReleaseGroup();
    void SetHot(bool hot);
    QRect SkinSource(TbsButtonLook look) const;
    QColor SkinTextColor(TbsButtonLook look) const;
    int GlyphState(TbsButtonLook look) const;
    void PaintContent(QPainter& painter, const QRect& client, TbsButtonLook look, const QColor& color);

    QString caption_;
    bool default_ = false;
    bool cancel_ = false;
    int modalResult_ = 0;
    bool canFocused_ = true;
    bool useSkinFontColor_ = true;
    bool repeatMode_ = false;
    int repeatInterval_ = 100;
    int groupIndex_ = 0;
    bool allowAllUp_ = false;
    bool groupDown_ = false;
    QImage glyph_;
    int numGlyphs_ = 1;
    const QList<QPixmap>* imageList_ = nullptr;
    int imageIndex_ = -1;
    int margin_ = -1;
    int spacing_ = 1;
    TbsButtonLayout layout_ = blGlyphLeft;

    bool hot_ = false;
    bool pressed_ = false;
    bool mouseHeld_ = false;
    bool activeDefault_ = false;
    QTimer repeatTimer_;
    QMetaObject::Connection focusWatch_;
    QPointer<QWidget> keyWindow_;
    Skin skin_;
};
