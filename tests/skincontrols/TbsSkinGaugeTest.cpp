#include "skincontrols/TbsSkinGauge.h"

#include "skincontrols/CraftedSkin.h"
#include "support/TimerTick.h"
#include "skinui/SkinColor.h"

#include <QTest>
#include <gtest/gtest.h>

#include <memory>

namespace {

const QRgb kTrack = qRgb(220, 220, 220);
const QRgb kBegin = qRgb(200, 0, 0);
const QRgb kMiddle = qRgb(0, 160, 0);
const QRgb kMark = qRgb(0, 250, 0);  // the first column of the middle piece
const QRgb kEnd = qRgb(0, 0, 200);
const QRgb kFrame1 = qRgb(250, 150, 0);
const QRgb kFrame2 = qRgb(150, 0, 250);

// A fixed 100 x 10 gauge: the whole control is the progress area; the progress picture is 30
// columns wide: 5 begin, 20 middle (marked at its first column), 5 end. Its animation has two
// frames side by side.
std::unique_ptr<TbsSkinData> GaugeSkin(const QStringList& extra)
{
    const QImage picture = CraftedSkin::Blocks(100, 30, {{QRect(0, 0, 100, 10), kTrack},
                                                         {QRect(0, 10, 5, 10), kBegin},
                                                         {QRect(5, 10, 20, 10), kMiddle},
                                                         {QRect(5, 10, 1, 10), kMark},
                                                         {QRect(25, 10, 5, 10), kEnd},
                                                         {QRect(0, 20, 10, 10), kFrame1},
                                                         {QRect(10, 20, 10, 10), kFrame2}});
    return CraftedSkin::Store({picture}, CraftedSkin::OneControl(QStringLiteral("gauge"), QStringLiteral("gauge"),
                                                                 QStringList{QStringLiteral("pictureindex=0"),
                                                                             QStringLiteral("skinrect=0,0,100,10"),
                                                                             QStringLiteral("progressarea=0,0,100,10"),
                                                                             QStringLiteral("progressrect=0,10,30,20"),
                                                                             QStringLiteral("beginoffset=5"),
                                                                             QStringLiteral("endoffset=5")}
                                                                     + extra));
}

// The colour of each column along the middle row, as a string of letters: t track, b begin,
// m middle, k mark, e end, anything else '?'.
std::string Columns(const QImage& image)
{
    std::string row;
    for (int x = 0; x < image.width(); ++x) {
        const QRgb p = image.pixel(x, 5);
        row += p == kTrack ? 't' : p == kBegin ? 'b' : p == kMiddle ? 'm' : p == kMark ? 'k' : p == kEnd ? 'e' : '?';
    }
    return row;
}

std::string Repeat(const std::string& piece, int n)
{
    std::string out;
    for (int i = 0; i < n; ++i)
        out += piece;
    return out;
}

std::string Repeat(char c, int n)
{
    return Repeat(std::string(1, c), n);
}

TEST(TbsSkinGauge, ValueStaysInItsRange)
{
    TbsSkinGauge gauge;
    EXPECT_EQ(gauge.Value(), 50);
    gauge.SetValue(150);
    EXPECT_EQ(gauge.Value(), 100);
    gauge.SetValue(-5);
    EXPECT_EQ(gauge.Value(), 0);
    gauge.SetMinValue(60);
    EXPECT_EQ(gauge.Value(), 60);
    gauge.SetValue(90);
    gauge.SetMaxValue(70);
    EXPECT_EQ(gauge.Value(), 70);
    gauge.SetMaxValue(60);
    EXPECT_EQ(gauge.Percent(), 0) << "no range: no progress";
    EXPECT_TRUE(gauge.ProgressRect().isEmpty());
    gauge.SetMaxValue(40);  // a maximum below the minimum is not undefined
    EXPECT_EQ(gauge.Value(), 60);
    EXPECT_EQ(gauge.Percent(), 0);
    gauge.SetProgressAnimationPause(-1);
    EXPECT_EQ(gauge.ProgressAnimationPause(), 3000);
}

TEST(TbsSkinGauge, ProgressPictureKeepsItsEndsAndTilesOrStretchesItsMiddle)
{
    const struct {
        const char* what;
        QStringList keys;
        int value;
        std::string columns;
    } rows[] = {
        {"0 per cent", {}, 0, Repeat('t', 100)},
        {"50 per cent, middle tiled", {}, 50,
         "bbbbb" + ("k" + Repeat('m', 19)) + ("k" + Repeat('m', 19)) + "eeeee" + Repeat('t', 50)},
        {"100 per cent", {}, 100, "bbbbb" + Repeat("k" + Repeat('m', 19), 4) + ("k" + Repeat('m', 9)) + "eeeee"},
        {"50 per cent, middle stretched", {QStringLiteral("progressstretch=1")}, 50,
         "bbbbb" + Repeat('k', 2) + Repeat('m', 38) + "eeeee" + Repeat('t', 50)},
        {"middle colour left out", {QStringLiteral("progresstransparent=1"), QStringLiteral("progresstransparentcolor=0x0000A000")},
         50, "bbbbb" + ("k" + Repeat('t', 19)) + ("k" + Repeat('t', 19)) + "eeeee" + Repeat('t', 50)},
    };
    for (const auto& row : rows) {
        const auto store = GaugeSkin(row.keys);
        TbsSkinGauge gauge;
        gauge.SetSkinData(store.get());
        ASSERT_EQ(gauge.size(), QSize(100, 10)) << row.what;
        gauge.SetValue(row.value);
        EXPECT_EQ(Columns(gauge.grab().toImage()), row.columns) << row.what;
    }
}

TEST(TbsSkinGauge, WithASkinItsOwnVerticalFlagDecidesTheDirection)
{
    const QRect horizontal(0, 0, 50, 10);
    const QRect vertical(0, 5, 100, 5);
    for (const bool skinVertical : {false, true}) {
        const auto store = GaugeSkin({QStringLiteral("vertical=%1").arg(int(skinVertical))});
        for (const bool property : {false, true}) {
            TbsSkinGauge gauge;
            gauge.SetVertical(property);
            gauge.SetSkinData(store.get());
            EXPECT_EQ(gauge.ProgressRect(), skinVertical ? vertical : horizontal) << skinVertical << property;
            gauge.SetSkinData(nullptr);
            gauge.resize(102, 12);
            EXPECT_EQ(gauge.ProgressRect(), property ? vertical.translated(1, 1) : horizontal.translated(1, 1))
                << "without a skin the property decides";
        }
    }
}

TEST(TbsSkinGauge, TheAnimationShowsEachFrameOnceBetweenPauses)
{
    const auto store = GaugeSkin({QStringLiteral("progressanimationskinrect=0,20,20,30"),
                                  QStringLiteral("progressanimationcountframes=2"),
                                  QStringLiteral("progressanimationtimerinterval=40")});
    TbsSkinGauge gauge;
    gauge.SetProgressAnimationPause(700);
    gauge.SetSkinData(store.get());
    gauge.SetValue(50);
    TTimer* pause = TimerOf(&gauge, "PauseTimer");
    TTimer* frames = TimerOf(&gauge, "FrameTimer");
    ASSERT_TRUE(pause->Enabled()) << "a skin change starts the pause";
    EXPECT_EQ(pause->Interval(), 700);
    EXPECT_EQ(gauge.AnimationFrame(), 0);
    EXPECT_EQ(gauge.grab().toImage().pixel(20, 5), kMiddle);
    Tick(pause);
    ASSERT_TRUE(frames->Enabled()) << "the pause starts the frames";
    EXPECT_EQ(frames->Interval(), 40);
    const QRgb shown[] = {kFrame1, kFrame2, kMiddle};
    for (int frame = 1; frame <= 3; ++frame) {
        Tick(frames);
        EXPECT_EQ(gauge.AnimationFrame(), frame % 3);
        EXPECT_EQ(gauge.grab().toImage().pixel(20, 5), shown[frame - 1]) << "a frame is stretched over the progress";
    }
    EXPECT_TRUE(pause->Enabled()) << "after the last frame the pause again";
}

TEST(TbsSkinGauge, PlainLookAndText)
{
    TbsSkinGauge gauge;
    const QImage image = gauge.grab().toImage();
    EXPECT_EQ(image.pixel(0, 0), SystemColor(SkinColor::kButtonShadow).rgb());
    EXPECT_EQ(gauge.ProgressRect(), QRect(1, 1, 49, 18));
    EXPECT_EQ(image.pixel(49, 10), qRgb(182, 189, 210));
    EXPECT_EQ(image.pixel(50, 10), SystemColor(SkinColor::kWindow).rgb());
    EXPECT_EQ(gauge.GaugeText(), QString());
    gauge.SetShowPercent(true);
    gauge.SetProgressText(QStringLiteral("Done "));
    EXPECT_EQ(gauge.GaugeText(), QStringLiteral("50%")) << "the text shows only when asked";
    gauge.SetShowProgressText(true);
    gauge.SetValue(67);
    EXPECT_EQ(gauge.GaugeText(), QStringLiteral("Done 67%"));
    gauge.SetVertical(true);
    EXPECT_EQ(gauge.ProgressRect(), QRect(1, 19 - 12, 98, 12)) << "from the bottom up";
}

TEST(TbsSkinGauge, AHandlerMayDrawTheProgress)
{
    TbsSkinGauge gauge;
    QRect area;
    QRect progress;
    gauge.OnGaugePaint = [&](QPainter* canvas, QRect a, QRect p) {
        area = a;
        progress = p;
        canvas->fillRect(p, Qt::red);
    };
    gauge.SetValue(25);
    const QImage image = gauge.grab().toImage();
    EXPECT_EQ(area, QRect(1, 1, 98, 18));
    EXPECT_EQ(progress, QRect(1, 1, 25, 18));
    EXPECT_EQ(image.pixel(10, 10), qRgb(255, 0, 0));
}

}  // namespace
