#include "skinui/SkinText.h"

namespace {

QSize TextExtent(const QFontMetrics& metrics, const QString& text)
{
    return metrics.boundingRect(QRect(0, 0, 0, 0), Qt::AlignLeft | Qt::AlignTop, text).size();
}

void RemoveLastCharacter(QString& text)
{
    qsizetype n = 1;
    if (text.size() >= 2 && text.back().isLowSurrogate() && text.at(text.size() - 2).isHighSurrogate())
        n = 2;
    text.chop(n);
}

} // namespace

int DrawSkinText(QPainter& painter, const QString& text, const QRect& rect, int flags)
{
    QRect used;
    painter.drawText(rect, flags, text, &used);
    return used.height();
}

int DrawSingleLineText(QPainter& painter, const QString& text, const QRect& rect,
                       int horizontalFlags)
{
    return DrawSkinText(painter, text, rect, horizontalFlags | Qt::AlignVCenter | Qt::TextSingleLine);
}

int SkinTextWidth(const QFontMetrics& metrics, const QString& text)
{
    return TextExtent(metrics, text).width();
}

int SkinTextHeight(const QFontMetrics& metrics, const QString& text)
{
    return TextExtent(metrics, text).height();
}

void CutTextToWidth(const QFontMetrics& metrics, QString& text, int width)
{
    if (SkinTextWidth(metrics, text) <= width)
        return;
    const QString dots = QStringLiteral("...");
    QString cut = text;
    while (!cut.isEmpty()) {
        RemoveLastCharacter(cut);
        if (SkinTextWidth(metrics, cut + dots) <= width)
            break;
    }
    text = cut + dots;
}
