#include "skinui/SkinText.h"

#include <QFont>
#include <QImage>
#include <gtest/gtest.h>

#include <cmath>

namespace {

QFontMetrics Metrics()
{
    QFont font;
    font.setPixelSize(12);
    return QFontMetrics(font);
}

// Shortening the way the design describes it, one character at a time from the end: the
// result the binary search must reproduce.
QString CutOneByOne(const QFontMetrics& metrics, const QString& text, int width, SkinTextMode mode)
{
    if (SkinTextWidth(metrics, text, mode) <= width)
        return text;
    QString cut = text;
    while (!cut.isEmpty()) {
        qsizetype n = 1;
        if (cut.size() >= 2 && cut.back().isLowSurrogate() && cut.at(cut.size() - 2).isHighSurrogate())
            n = 2;
        if (mode == SkinTextMode::Caption && cut.size() > n) {
            // An "&" that marks the removed character goes with it; count the run of "&" before.
            qsizetype run = 0;
            while (run < cut.size() - n && cut.at(cut.size() - n - 1 - run) == u'&')
                ++run;
            n += run % 2;
        }
        cut.chop(n);
        if (SkinTextWidth(metrics, cut + QStringLiteral("..."), mode) <= width)
            break;
    }
    return cut + QStringLiteral("...");
}

} // namespace

TEST(SkinText, CutTextToWidthGivesWhatShorteningOneCharacterAtATimeGives)
{
    const QFontMetrics fm = Metrics();
    const QString texts[] = {
        QStringLiteral("Cache cleaner 缓存清理"),
        QStringLiteral("AVAVAVAV WAWAWA ToToTo"),                      // kerning pairs
        QString::fromUtf8("e\xCC\x81" "e\xCC\x81" "e\xCC\x81 combining"),  // marks of no width
        QString::fromUtf8("\xF0\x9F\x98\x80 faces \xF0\x9F\x98\x80\xF0\x9F\x98\x80"),
        QStringLiteral("Mi&nimize to &Tray && more"),
        QStringLiteral("&&&&&&"),
    };
    for (const QString& text : texts) {
        for (const SkinTextMode mode : {SkinTextMode::Caption, SkinTextMode::Literal}) {
            for (int width = -1; width <= SkinTextWidth(fm, text, mode) + 1; ++width) {
                QString cut = text;
                CutTextToWidth(fm, cut, width, mode);
                ASSERT_EQ(cut, CutOneByOne(fm, text, width, mode)) << qPrintable(text) << " at " << width;
            }
        }
    }
}

TEST(SkinText, ThePrefixSearchTakesLogarithmicallyManyMeasurements)
{
    // fits(k) holds up to a threshold: every threshold from "nothing fits" to "all fit".
    for (const qsizetype longest : {qsizetype(0), qsizetype(1), qsizetype(7), qsizetype(4000)}) {
        for (qsizetype threshold = -1; threshold <= longest + 1; threshold += longest > 100 ? 397 : 1) {
            int calls = 0;
            const qsizetype found = LongestFittingPrefix(longest, [&](qsizetype k) {
                ++calls;
                EXPECT_GE(k, 1);
                EXPECT_LE(k, longest);
                return k <= threshold;
            });
            EXPECT_EQ(found, std::clamp<qsizetype>(threshold, 0, longest)) << longest << " " << threshold;
            EXPECT_LE(calls, int(std::ceil(std::log2(double(longest) + 1)))) << longest;
        }
    }
}

TEST(SkinText, WidthAndHeightFollowTheLines)
{
    const QFontMetrics fm = Metrics();
    const QString line = QStringLiteral("Kestrune");
    EXPECT_NEAR(SkinTextWidth(fm, line), fm.horizontalAdvance(line), 1);
    EXPECT_EQ(SkinTextHeight(fm, line), fm.height());
    // Two lines: as wide as the longer, as high as two.
    const QString twoLines = line + QLatin1Char('\n') + line + line;
    EXPECT_EQ(SkinTextWidth(fm, twoLines), SkinTextWidth(fm, line + line));
    EXPECT_GE(SkinTextHeight(fm, twoLines), 2 * fm.height());
    EXPECT_EQ(SkinTextWidth(fm, QString()), 0);
}

TEST(SkinText, CutTextToWidthKeepsTheLongestPrefixThatFitsWithDots)
{
    const QFontMetrics fm = Metrics();
    const QString original = QStringLiteral("Cache cleaner 缓存清理");

    QString fits = original;
    CutTextToWidth(fm, fits, SkinTextWidth(fm, original));
    EXPECT_EQ(fits, original);

    const int limit = SkinTextWidth(fm, original) / 2;
    QString cut = original;
    CutTextToWidth(fm, cut, limit);
    ASSERT_TRUE(cut.endsWith(QStringLiteral("...")));
    const QString kept = cut.chopped(3);
    EXPECT_TRUE(original.startsWith(kept));
    EXPECT_LE(SkinTextWidth(fm, cut), limit);
    EXPECT_GT(SkinTextWidth(fm, original.left(kept.size() + 1) + QStringLiteral("...")), limit);

    QString tiny = original;
    CutTextToWidth(fm, tiny, 1);
    EXPECT_EQ(tiny, QStringLiteral("..."));
}

TEST(SkinText, CutTextToWidthNeverSplitsASurrogatePair)
{
    const QFontMetrics fm = Metrics();
    const QString faces = QString::fromUtf8("\xF0\x9F\x98\x80\xF0\x9F\x98\x80\xF0\x9F\x98\x80\xF0\x9F\x98\x80");
    for (int width = 0; width < SkinTextWidth(fm, faces); ++width) {
        QString text = faces;
        CutTextToWidth(fm, text, width);
        const QString kept = text.chopped(3);
        EXPECT_EQ(kept.size() % 2, 0) << width;
        EXPECT_TRUE(faces.startsWith(kept));
    }
}

TEST(SkinText, SingleLineTextIsCentredVertically)
{
    QImage image(80, 40, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    QFont font;
    font.setPixelSize(12);
    painter.setFont(font);
    painter.setPen(Qt::black);
    const int height = DrawSingleLineText(painter, QStringLiteral("Ag\nAg"), QRect(0, 0, 80, 40));
    painter.end();
    EXPECT_EQ(height, QFontMetrics(font).height());
    int top = -1;
    int bottom = -1;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 80; ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255)) {
                if (top < 0)
                    top = y;
                bottom = y;
            }
    ASSERT_GE(top, 0);
    EXPECT_GT(top, 8);
    EXPECT_LT(bottom, 32);
}
