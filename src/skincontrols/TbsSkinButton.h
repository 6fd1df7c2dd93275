#pragma once

#include "skincontrols/ButtonPainting.h"
#include "skincontrols/TbsSkinCustomControl.h"

#include <QList>
#include <QPixmap>
#include <QPointer>

class TTimer;

// A push button drawn from a "button" skin object (or plainly): normal, active (hot, focused
// or active default), down, focused and disabled pictures, glyph and caption.
//
// Clicks: the left button pressed and released over it, Space pressed and released, Enter
// while it has the focus. In its window, Enter clicks the active default button (the focused
// skinned button, else the Default one), Escape a Cancel button, and the caption's accelerator
// key focuses and clicks it, whenever the focused control leaves the key unused. A click sets
// the dialog's result to ModalResult (a modal QDialog ends when it is not 0), then emits OnClick.
// In RepeatMode a held button clicks on every tick of its "RepeatTimer" (after a first wait of
// 500 ms, then every RepeatInterval ms).
class TbsSkinButton : public TbsSkinCustomControl {
    Q_OBJECT
public:
    explicit TbsSkinButton(QWidget* parent = nullptr);
    ~TbsSkinButton() override;

    QString Caption() const { return face_.caption; }
    void SetCaption(const QString& caption);
    bool Default() const { return default_; }
    void SetDefault(bool isDefault);
    bool Cancel() const { return cancel_; }
    void SetCancel(bool cancel) { cancel_ = cancel; }
    int ModalResult() const { return modalResult_; }
    void SetModalResult(int result) { modalResult_ = result; }
    bool CanFocused() const { return canFocused_; }
    void SetCanFocused(bool canFocused);
    bool UseSkinFontColor() const { return face_.useSkinFontColor; }
    void SetUseSkinFontColor(bool use);

    bool RepeatMode() const { return repeatMode_; }
    void SetRepeatMode(bool repeat) { repeatMode_ = repeat; }
    int RepeatInterval() const { return repeatInterval_; }
    void SetRepeatInterval(int interval) { repeatInterval_ = qMax(1, interval); }
    // Buttons of one parent with the same GroupIndex (not 0) stay down when clicked and release
    // each other; AllowAllUp lets a click release the one that is down.
    int GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(int index);
    bool AllowAllUp() const { return allowAllUp_; }
    void SetAllowAllUp(bool allow) { allowAllUp_ = allow; }
    bool Down() const { return groupDown_; }
    void SetDown(bool down);

    QImage Glyph() const { return face_.glyph; }
    void SetGlyph(const QImage& glyph);
    int NumGlyphs() const { return face_.numGlyphs; }
    void SetNumGlyphs(int count);
    // The button keeps its own copy of the list (pictures are shared, not duplicated).
    QList<QPixmap> ImageList() const { return face_.images; }
    void SetImageList(const QList<QPixmap>& images);
    int ImageIndex() const { return face_.imageIndex; }
    void SetImageIndex(int index);
    int Margin() const { return face_.margin; }
    void SetMargin(int margin);
    int Spacing() const { return face_.spacing; }
    void SetSpacing(int spacing);
    TbsButtonLayout Layout() const { return face_.layout; }
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
    // The face with the settings of the base that choose the text's look.
    ButtonFace Face() const;
    void Paint(QPainter& painter);
    // Changes one field of the face and repaints, when it changes.
    template <class Field>
    void SetFaceField(Field ButtonFace::*field, const Field& value);

    bool default_ = false;
    bool cancel_ = false;
    int modalResult_ = 0;
    bool canFocused_ = true;
    bool repeatMode_ = false;
    int repeatInterval_ = 100;
    int groupIndex_ = 0;
    bool allowAllUp_ = false;
    bool groupDown_ = false;
    ButtonFace face_;

    bool hot_ = false;
    bool pressed_ = false;
    bool mouseHeld_ = false;
    bool activeDefault_ = false;
    TTimer* repeatTimer_;
    QMetaObject::Connection focusWatch_;
    QPointer<QWidget> keyWindow_;
    ButtonSkin skin_;
};
