#pragma once

#include "framework/TControl.h"

#include <QColor>

// A flat, opaque panel without bevel, filled with its colour.
class TPanel : public TControl {
    Q_OBJECT
public:
    explicit TPanel(QWidget* parent = nullptr);

    QColor Color() const { return color_; }
    void SetColor(const QColor& color);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor color_;
};
