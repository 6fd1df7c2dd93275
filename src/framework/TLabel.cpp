#include "framework/TLabel.h"

#include <QPainter>

TLabel::TLabel(QWidget* parent) : TControl(parent)
{
    SetGraphicControl(true);
}

void TLabel::SetCaption(const QString& caption)
{
    if (caption_ == caption)
        return;
    caption_ = caption;
    update();
}

void TLabel::SetTransparent(bool transparent)
{
    if (transparent_ == transparent)
        return;
    transparent_ = transparent;
    setAttribute(Qt::WA_TranslucentBackground, transparent);
    update();
}

void TLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (!transparent_)
        painter.fillRect(rect(), palette().color(QPalette::Button));
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(rect(), Qt::AlignLeft | Qt::AlignTop, caption_);
}
