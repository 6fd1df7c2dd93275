#pragma once

#include "framework/TControl.h"

// A one-line text label of fixed size. A transparent label paints only its text.
class TLabel : public TControl {
    Q_OBJECT
public:
    explicit TLabel(QWidget* parent = nullptr);

    const QString& Caption() const { return caption_; }
    void SetCaption(const QString& caption);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool transparent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString caption_;
    bool transparent_ = false;
};
