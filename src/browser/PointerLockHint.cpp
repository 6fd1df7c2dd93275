#include "browser/PointerLockHint.h"

#include <QPainter>

namespace {
constexpr int PaddingX = 18;
constexpr int PaddingY = 9;
constexpr int Top = 24;
}  // namespace

PointerLockHint::PointerLockHint(QWidget* page) : QWidget(page)
{
    setObjectName(QStringLiteral("PointerLockHint"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    QFont font(QStringLiteral("WenQuanYi Zen Hei"));
    font.setPixelSize(15);
    setFont(font);
    hide();
}

void PointerLockHint::Appear()
{
    const QSize text = fontMetrics().size(Qt::TextSingleLine, Text);
    const QSize size(text.width() + 2 * PaddingX, text.height() + 2 * PaddingY);
    setGeometry(QRect(QPoint((parentWidget()->width() - size.width()) / 2, Top), size));
    show();
    raise();
}

void PointerLockHint::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 190));
    painter.drawRoundedRect(QRectF(rect()), 6, 6);
    painter.setPen(Qt::white);
    painter.drawText(rect(), Qt::AlignCenter, Text);
}
