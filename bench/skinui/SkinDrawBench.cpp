// Growing skin pictures to a full-HD window, each against the baseline of one plain full-size
// copy of a 1920 x 1080 picture in the same run.

#include "BenchSkin.h"
#include "PlainCopy.h"

#include "skinui/FrameStrips.h"
#include "skinui/NinePieceImage.h"
#include "skinui/RegionBuilder.h"
#include "skinui/SkinRect.h"

#include <benchmark/benchmark.h>

#include <QPainter>
#include <QPainterPath>

namespace {

const QSize kWindow(1920, 1080);

QImage RoundedMask()
{
    QImage mask(kWindow, QImage::Format_RGB32);
    mask.fill(Qt::white);
    QPainter painter(&mask);
    painter.setRenderHint(QPainter::Antialiasing, false);
    QPainterPath path;
    path.addRoundedRect(QRectF(QPointF(0, 0), QSizeF(kWindow)), 24, 24);
    painter.fillPath(path, Qt::black);
    return mask;
}

void PlainFullSizeCopy(benchmark::State& state)
{
    BenchPlainCopy(state, BenchPicture(kWindow));
}

void NinePiece(benchmark::State& state, NinePieceOptions options)
{
    const QImage picture = BenchPicture(QSize(100, 60));
    const NinePieceGeometry g = BenchGeometry();
    const NinePieceGeometry grown = g.GrownTo(QSize(100, 60), kWindow);
    QImage destination;
    for (auto _ : state) {
        BuildNinePieceImage(destination, picture, QRect(0, 0, 100, 60), g, grown, kWindow, options);
        benchmark::DoNotOptimize(destination.constBits());
    }
}

void NinePieceTiled(benchmark::State& state)
{
    NinePiece(state, NinePieceOption::DrawClient);
}

void NinePieceStretched(benchmark::State& state)
{
    NinePiece(state, NinePieceOption::DrawClient | NinePieceOption::StretchLeft
                  | NinePieceOption::StretchTop | NinePieceOption::StretchRight
                  | NinePieceOption::StretchBottom | NinePieceOption::StretchMiddle);
}

void RegionFromRoundedMask(benchmark::State& state)
{
    const QImage mask = RoundedMask();
    for (auto _ : state) {
        const QRegion region = RegionFromMask(mask);
        benchmark::DoNotOptimize(region.rectCount());
    }
}

void FrameStripsFullHd(benchmark::State& state)
{
    const QImage picture = BenchPicture(QSize(100, 60));
    const NinePieceGeometry g = BenchGeometry();
    const NinePieceGeometry grown = g.GrownTo(QSize(100, 60), kWindow);
    for (auto _ : state) {
        FrameStripImages strips;
        BuildFrameStrips(strips, picture, QRect(0, 0, 100, 60), g, grown, kWindow, {});
        benchmark::DoNotOptimize(strips.top.constBits());
    }
}

} // namespace

// The first of the group is its baseline (BenchMain.cpp prints the ratios).
BENCHMARK(PlainFullSizeCopy)->Name("Draw_PlainFullSizeCopy")->Unit(benchmark::kMicrosecond);
BENCHMARK(NinePieceTiled)->Name("Draw_NinePieceTiled")->Unit(benchmark::kMicrosecond);
BENCHMARK(NinePieceStretched)->Name("Draw_NinePieceStretched")->Unit(benchmark::kMicrosecond);
BENCHMARK(RegionFromRoundedMask)->Name("Draw_RegionFromRoundedMask")->Unit(benchmark::kMicrosecond);
BENCHMARK(FrameStripsFullHd)->Name("Draw_FrameStripsFullHd")->Unit(benchmark::kMicrosecond);
