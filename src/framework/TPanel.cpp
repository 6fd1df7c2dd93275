#include "framework/TPanel.h"

#include <QPainter>

TPanel::TPanel(QWidget* parent) : TControl(parent), color_(palette().color(QPalette::Button))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TPanel::SetColor(const QColor& color)
{
    if (color_ == color)
        return;
    color_ = color;
    update();
}

void TPanel::paintEvent(QPaintEvent* event)
{
    QPainter(this).fillRect(event->rect(), color_);
}
