#pragma once

#include "skincontrols/TbsSkinCustomControl.h"

// The border a skinned label draws without a skin.
enum TbsLabelBorderStyle { bvNone, bvFrame, bvRaised, bvLowered };
// Whether a label's caption that does not fit is shortened with "...".
enum TbsEllipsType { bsetNoneEllips, bsetEllips };

// A one-line caption drawn from a "label" skin object (or plainly, with a border), vertically
// centred in its text area and aligned left, right or centre; optionally with a shadow or a
// reflection.
class TbsSkinLabel : public TbsSkinCustomControl {
    Q_OBJECT
public:
    explicit TbsSkinLabel(QWidget* parent = nullptr);

    QString Caption() const { return caption_; }
    void SetCaption(const QString& caption);
    TbsLabelBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TbsLabelBorderStyle style);
    // Qt::AlignLeft, Qt::AlignRight or Qt::AlignHCenter.
    Qt::Alignment Alignment() const { return alignment_; }
    void SetAlignment(Qt::Alignment alignment);
    // After a caption change the control takes the caption's width.
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool autoSize);
    bool UseSkinFontColor() const { return useSkinFontColor_; }
    void SetUseSkinFontColor(bool use);
    TbsEllipsType EllipsType() const { return ellipsType_; }
    void SetEllipsType(TbsEllipsType type);

    bool ShadowEffect() const { return shadowEffect_; }
    void SetShadowEffect(bool shadow);
    int ShadowSize() const { return shadowSize_; }
    void SetShadowSize(int size);
    int ShadowOffset() const { return shadowOffset_; }
    void SetShadowOffset(int offset);
    QColor ShadowColor() const { return shadowColor_; }
    void SetShadowColor(const QColor& color);
    bool ReflectionEffect() const { return reflectionEffect_; }
    void SetReflectionEffect(bool reflection);
    int ReflectionOffset() const { return reflectionOffset_; }
    void SetReflectionOffset(int offset);

    // Where the caption is drawn: the skin's client rectangle, or the control inset by 3.
    QRect TextArea() const;

protected:
    const TbsDataSkinCustomControl* FindSkinObject() const override;
    void GetSkinData() override;
    void PaintPlain(QPainter& painter) override;
    void PaintSkinned(QPainter& painter) override;

private:
    void PaintBorder(QPainter& painter) const;
    void PaintCaption(QPainter& painter, const QFont& font, const QColor& color, const QColor& shadow);
    void ApplyAutoSize();

    QString caption_;
    TbsLabelBorderStyle borderStyle_ = bvFrame;
    Qt::Alignment alignment_ = Qt::AlignLeft;
    bool autoSize_ = false;
    bool useSkinFontColor_ = true;
    TbsEllipsType ellipsType_ = bsetNoneEllips;
    bool shadowEffect_ = false;
    int shadowSize_ = 3;
    int shadowOffset_ = 0;
    QColor shadowColor_ = Qt::black;
    bool reflectionEffect_ = false;
    int reflectionOffset_ = -5;
    QFont skinFont_;
    QColor skinFontColor_;
};
