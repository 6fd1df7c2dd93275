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
    const QString before = ShownText();
    caption_ = caption;
    if (const QRect changed = ChangedSpan(before, ShownText()); !changed.isEmpty())
        update(changed);
}

void TLabel::SetTransparent(bool transparent)
{
    if (transparent_ == transparent)
        return;
    transparent_ = transparent;
    setAttribute(Qt::WA_TranslucentBackground, transparent);
    update();
}

QString TLabel::ShownText() const
{
    QString line = caption_;
    for (QChar& c : line)
        if (c.category() == QChar::Other_Control || c == QChar::LineSeparator || c == QChar::ParagraphSeparator)
            c = QLatin1Char(' ');
    return fontMetrics().elidedText(line, Qt::ElideRight, width());
}

QRect TLabel::ChangedSpan(const QString& before, const QString& after) const
{
    if (before == after)
        return {};
    qsizetype common = 0;
    while (common < before.size() && common < after.size() && before.at(common) == after.at(common))
        ++common;
    if (common > 0 && before.at(common - 1).isHighSurrogate())
        --common;
    // Shaping may join the first changed character to the one before it: a pixel of margin
    // on either side covers what a glyph reaches over its advance.
    const QFontMetrics metrics = fontMetrics();
    const int left = std::min(metrics.horizontalAdvance(before.left(common)), metrics.horizontalAdvance(after.left(common)));
    const int right = std::max(metrics.horizontalAdvance(before), metrics.horizontalAdvance(after));
    return QRect(QPoint(left - 2, 0), QPoint(right + 2, height() - 1)).intersected(rect());
}

void TLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (!transparent_)
        painter.fillRect(rect(), palette().color(QPalette::Button));
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(rect(), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, ShownText());
}
