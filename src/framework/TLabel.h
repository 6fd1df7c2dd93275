#pragma once

#include "framework/TControl.h"

// A one-line text label of fixed size. A transparent label paints only its text. A caption
// too long for the label is cut with "…", and line breaks in it show as spaces; a new
// caption repaints only the part of the label where the text changed.
class TLabel : public TControl {
    Q_OBJECT
public:
    explicit TLabel(QWidget* parent = nullptr);

    const QString& Caption() const { return caption_; }
    void SetCaption(const QString& caption);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool transparent);
    // The caption as the label draws it, cut to its width.
    QString ShownText() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // The part of the label that differs between two shown texts.
    QRect ChangedSpan(const QString& before, const QString& after) const;

    QString caption_;
    bool transparent_ = false;
};
