#pragma once

#include "skincontrols/LabelPainting.h"
#include "skincontrols/TbsSkinCustomControl.h"

// A one-line caption drawn from a "label" skin object (or plainly, with a border), vertically
// centred in its text area and aligned left, right or centre; optionally with a shadow or a
// reflection.
class TbsSkinLabel : public TbsSkinCustomControl {
    Q_OBJECT
public:
    explicit TbsSkinLabel(QWidget* parent = nullptr);

    QString Caption() const { return face_.caption; }
    void SetCaption(const QString& caption);
    TbsLabelBorderStyle BorderStyle() const { return face_.borderStyle; }
    void SetBorderStyle(TbsLabelBorderStyle style);
    // Qt::AlignLeft, Qt::AlignRight or Qt::AlignHCenter.
    Qt::Alignment Alignment() const { return face_.alignment; }
    void SetAlignment(Qt::Alignment alignment);
    // After a caption change the control takes the caption's width.
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool autoSize);
    bool UseSkinFontColor() const { return face_.useSkinFontColor; }
    void SetUseSkinFontColor(bool use);
    TbsEllipsType EllipsType() const { return face_.ellipsType; }
    void SetEllipsType(TbsEllipsType type);

    bool ShadowEffect() const { return face_.shadowEffect; }
    void SetShadowEffect(bool shadow);
    int ShadowSize() const { return face_.shadowSize; }
    void SetShadowSize(int size);
    int ShadowOffset() const { return face_.shadowOffset; }
    void SetShadowOffset(int offset);
    QColor ShadowColor() const { return face_.shadowColor; }
    void SetShadowColor(const QColor& color);
    bool ReflectionEffect() const { return face_.reflectionEffect; }
    void SetReflectionEffect(bool reflection);
    int ReflectionOffset() const { return face_.reflectionOffset; }
    void SetReflectionOffset(int offset);

    // Where the caption is drawn: the skin's client rectangle, or the control inset by 3.
    QRect TextArea() const { return LabelTextArea(size(), CustomSkin()); }

protected:
    const TbsDataSkinCustomControl* FindSkinObject() const override;
    void GetSkinData() override;
    void PaintPlain(QPainter& painter) override;
    void PaintSkinned(QPainter& painter) override;

private:
    LabelFace Face() const;
    template <class Field>
    void SetFaceField(Field LabelFace::*field, const Field& value);
    void ApplyAutoSize();

    LabelFace face_;
    bool autoSize_ = false;
    LabelSkin skin_;
};
