#include "skinui/SkinText.h"

#include <QApplication>
#include <QList>
#include <QStyle>

namespace {

QSize TextExtent(const QFontMetrics& metrics, const QString& text, SkinTextMode mode)
{
    return metrics.boundingRect(QRect(0, 0, 0, 0), Qt::AlignLeft | Qt::AlignTop | SkinTextFlags(mode), text).size();
}

bool IsSurrogatePairAt(const QString& text, qsizetype i)
{
    return i + 1 < text.size() && text.at(i).isHighSurrogate() && text.at(i + 1).isLowSurrogate();
}

// Where text may be cut: the end of every character, a surrogate pair counting as one
// character and, in a caption, an "&" together with the character after it.
QList<qsizetype> CharacterEnds(const QString& text, SkinTextMode mode)
{
    QList<qsizetype> ends;
    qsizetype i = 0;
    while (i < text.size()) {
        if (mode == SkinTextMode::Caption && text.at(i) == u'&' && i + 1 < text.size())
            ++i;
        i += IsSurrogatePairAt(text, i) ? 2 : 1;
        ends.append(i);
    }
    return ends;
}

} // namespace

int SkinTextFlags(SkinTextMode mode)
{
    if (mode == SkinTextMode::Literal)
        return 0;
    const auto* application = qobject_cast<QApplication*>(QCoreApplication::instance());
    const bool underline = !application || QApplication::style()->styleHint(QStyle::SH_UnderlineShortcut);
    return underline ? Qt::TextShowMnemonic : Qt::TextHideMnemonic;
}

int DrawSkinText(QPainter& painter, const QString& text, const QRect& rect, int flags, SkinTextMode mode)
{
    QRect used;
    painter.drawText(rect, flags | SkinTextFlags(mode), text, &used);
    return used.height();
}

int DrawSingleLineText(QPainter& painter, const QString& text, const QRect& rect, int horizontalFlags,
                       SkinTextMode mode)
{
    return DrawSkinText(painter, text, rect, horizontalFlags | Qt::AlignVCenter | Qt::TextSingleLine, mode);
}

int SkinTextWidth(const QFontMetrics& metrics, const QString& text, SkinTextMode mode)
{
    return TextExtent(metrics, text, mode).width();
}

int SkinTextHeight(const QFontMetrics& metrics, const QString& text, SkinTextMode mode)
{
    return TextExtent(metrics, text, mode).height();
}

void CutTextToWidth(const QFontMetrics& metrics, QString& text, int width, SkinTextMode mode)
{
    if (SkinTextWidth(metrics, text, mode) <= width)
        return;
    const QString dots = QStringLiteral("...");
    const QList<qsizetype> ends = CharacterEnds(text, mode);
    const auto prefix = [&](qsizetype characters) { return characters == 0 ? QString() : text.left(ends[characters - 1]); };
    // The whole text does not fit; the longest candidate lacks its last character.
    const qsizetype kept = LongestFittingPrefix(ends.size() - 1, [&](qsizetype characters) {
        return SkinTextWidth(metrics, prefix(characters) + dots, mode) <= width;
    });
    text = prefix(kept) + dots;
}

qsizetype LongestFittingPrefix(qsizetype longest, const std::function<bool(qsizetype)>& fits)
{
    // The answer lies in [low, high]; low = 0 is what remains when nothing fits.
    qsizetype low = 0;
    qsizetype high = longest;
    while (low < high) {
        const qsizetype middle = low + (high - low + 1) / 2;
        if (fits(middle))
            low = middle;
        else
            high = middle - 1;
    }
    return low;
}
