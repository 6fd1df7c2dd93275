// Cutting a 4,000-character page title to a tab's width, against the baseline of measuring the
// whole title once in the same run; the old way, shortening one character at a time, for
// comparison.

#include "skinui/CellHeightFont.h"
#include "skinui/SkinText.h"

#include <benchmark/benchmark.h>

namespace {

// A page title such as a game's page may set: Latin and CJK, 4,000 characters.
QString LongTitle()
{
    QString title;
    while (title.size() < 4000)
        title += QStringLiteral("Kestrune 游戏大厅 - ");
    return title.left(4000);
}

// What fits beside a tab's icon and close glyph.
constexpr int kRoom = 99;

QFontMetrics TabFontMetrics()
{
    return QFontMetrics(FontWithCellHeight(QStringLiteral("Arial"), 14));
}

void MeasureTitleOnce(benchmark::State& state)
{
    const QString title = LongTitle();
    const QFontMetrics metrics = TabFontMetrics();
    for (auto _ : state)
        benchmark::DoNotOptimize(SkinTextWidth(metrics, title, SkinTextMode::Literal));
}

void CutTitleToTab(benchmark::State& state)
{
    const QString title = LongTitle();
    const QFontMetrics metrics = TabFontMetrics();
    for (auto _ : state) {
        QString text = title;
        CutTextToWidth(metrics, text, kRoom, SkinTextMode::Literal);
        benchmark::DoNotOptimize(text.size());
    }
}

void CutTitleOneByOne(benchmark::State& state)
{
    const QString title = LongTitle();
    const QFontMetrics metrics = TabFontMetrics();
    const QString dots = QStringLiteral("...");
    for (auto _ : state) {
        QString text = title;
        while (!text.isEmpty() && SkinTextWidth(metrics, text + dots, SkinTextMode::Literal) > kRoom)
            text.chop(1);
        benchmark::DoNotOptimize(text.size());
    }
}

} // namespace

BENCHMARK(MeasureTitleOnce)->Name("Text_MeasureTitleOnce")->Unit(benchmark::kMicrosecond);
BENCHMARK(CutTitleToTab)->Name("Text_CutTitleToTab")->Unit(benchmark::kMicrosecond);
BENCHMARK(CutTitleOneByOne)->Name("Text_CutTitleOneByOne")->Unit(benchmark::kMillisecond);
