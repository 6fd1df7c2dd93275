// Captions: "&" marks the accelerator; measuring, drawing and cutting agree on it.
#include "skinui/CaptionAccelerator.h"
#include "skinui/GlyphCaption.h"
#include "skinui/SkinText.h"

#include <QApplication>
#include <QFont>
#include <QImage>
#include <QProxyStyle>
#include <gtest/gtest.h>

#include <cstring>

namespace {

QFont TestFont()
{
    QFont font;
    font.setPixelSize(14);
    return font;
}

QImage Drawn(const QString& text, SkinTextMode mode)
{
    QImage image(120, 30, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(TestFont());
    painter.setPen(Qt::black);
    DrawSingleLineText(painter, text, image.rect(), Qt::AlignLeft, mode);
    return image;
}

// Rows where two pictures differ, -1/-1 when they are equal.
std::pair<int, int> DifferingRows(const QImage& a, const QImage& b)
{
    int first = -1;
    int last = -1;
    for (int y = 0; y < a.height(); ++y) {
        if (std::memcmp(a.constScanLine(y), b.constScanLine(y), size_t(a.bytesPerLine())) != 0) {
            first = first < 0 ? y : first;
            last = y;
        }
    }
    return {first, last};
}

// A style of a platform that hides accelerators until the user asks for them.
class HiddenAccelerators : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* data) const override
    {
        return hint == SH_UnderlineShortcut ? 0 : QProxyStyle::styleHint(hint, option, widget, data);
    }
};

TEST(CaptionText, AnAcceleratorIsMeasuredAsTheTextItDraws)
{
    const QFontMetrics fm(TestFont());
    const struct {
        const char* caption;
        const char* drawn;
    } rows[] = {
        {"&File", "File"},        {"Save &As", "Save As"}, {"&&Co", "&Co"},
        {"a&&b&c", "a&bc"},       {"end&", "end"},         {"&最小化", "最小化"},
    };
    for (const auto& row : rows) {
        const QString caption = QString::fromUtf8(row.caption);
        const QString drawn = QString::fromUtf8(row.drawn);
        EXPECT_EQ(SkinTextWidth(fm, caption), SkinTextWidth(fm, drawn, SkinTextMode::Literal)) << row.caption;
        EXPECT_GT(SkinTextWidth(fm, caption, SkinTextMode::Literal), SkinTextWidth(fm, drawn, SkinTextMode::Literal))
            << "drawn literally the & is there: " << row.caption;
    }
}

TEST(CaptionText, TheMarkedCharacterIsUnderlinedOnlyWherePlatformShowsAccelerators)
{
    const QImage plain = Drawn(QStringLiteral("File"), SkinTextMode::Literal);
    // "&&" is one "&" and marks nothing.
    EXPECT_EQ(Drawn(QStringLiteral("&&"), SkinTextMode::Caption), Drawn(QStringLiteral("&"), SkinTextMode::Literal));
    EXPECT_NE(Drawn(QStringLiteral("&&"), SkinTextMode::Literal), Drawn(QStringLiteral("&"), SkinTextMode::Literal));

    // Below the baseline "File" has no ink; the underline of the F lies there, and only under it.
    ASSERT_TRUE(QApplication::style()->styleHint(QStyle::SH_UnderlineShortcut));
    const QImage shown = Drawn(QStringLiteral("&File"), SkinTextMode::Caption);
    const QFontMetrics fm(TestFont());
    const int baseline = (30 - fm.height()) / 2 + fm.ascent();
    const auto inkBelowBaseline = [&](const QImage& image) {
        int right = -1;
        for (int y = baseline + 1; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (qGray(image.pixel(x, y)) < 128)
                    right = std::max(right, x);
        return right;
    };
    EXPECT_EQ(inkBelowBaseline(plain), -1);
    const int underlineEnd = inkBelowBaseline(shown);
    EXPECT_GE(underlineEnd, fm.horizontalAdvance(QLatin1Char('F')) - 3) << "the F is underlined";
    EXPECT_LE(underlineEnd, fm.horizontalAdvance(QStringLiteral("F")) + 1) << "and only the F";

    const QString previous = QApplication::style()->name();
    QApplication::setStyle(new HiddenAccelerators(QApplication::style()->name()));
    const QImage hidden = Drawn(QStringLiteral("&File"), SkinTextMode::Caption);
    QApplication::setStyle(previous);
    EXPECT_EQ(hidden, plain);
}

TEST(CaptionText, GlyphAndCaptionLayOutTheDrawnCaption)
{
    const auto draw = [](const QString& caption, GlyphCaptionFlags flags) {
        QImage image(100, 30, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setFont(TestFont());
        painter.setPen(Qt::black);
        DrawGlyphAndCaption(painter, image.rect(), -1, 4, blGlyphLeft, caption, GlyphSource(), flags);
        return image;
    };
    const QImage plain = draw(QStringLiteral("OK"), GlyphCaptionFlag::LiteralCaption);
    const QImage accelerated = draw(QStringLiteral("&OK"), {});
    const QImage literal = draw(QStringLiteral("&OK"), GlyphCaptionFlag::LiteralCaption);
    const auto [top, bottom] = DifferingRows(accelerated, plain);
    ASSERT_GE(top, 0);
    EXPECT_EQ(top, bottom) << "the same centred caption but for its one underline row";
    EXPECT_NE(literal, plain);
}

TEST(CaptionAccelerator, FindsTheMarkedCharacter)
{
    const struct {
        const char* caption;
        QChar accelerator;
    } rows[] = {
        {"&File", u'F'}, {"Save &As", u'A'}, {"&&Co", QChar()}, {"a&&b&c", u'c'},
        {"end&", QChar()}, {"", QChar()},    {"&x&y", u'x'},    {"Ro&llUp", u'l'},
    };
    for (const auto& row : rows)
        EXPECT_EQ(AcceleratorOf(QString::fromUtf8(row.caption)), row.accelerator) << row.caption;
    EXPECT_EQ(AcceleratorOf(QStringLiteral("&关闭")), QChar(u'关'));
    EXPECT_TRUE(IsAcceleratorOf(u'n', QStringLiteral("Mi&nimize")));
    EXPECT_TRUE(IsAcceleratorOf(u'N', QStringLiteral("Mi&nimize")));
    EXPECT_FALSE(IsAcceleratorOf(u'M', QStringLiteral("Mi&nimize")));
    EXPECT_FALSE(IsAcceleratorOf(u'&', QStringLiteral("a&&b")));
    EXPECT_FALSE(IsAcceleratorOf(QChar(), QStringLiteral("plain")));
}

}  // namespace
