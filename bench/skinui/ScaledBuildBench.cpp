// Skin builds for a device pixel ratio: a dialog's frame strips and a control's nine-piece
// picture at 1.5 and 2, cut from the double-size picture, against the same builds at 1 in the
// same run (the first of each group is its baseline).

#include "BenchSkin.h"
#include "skinui/FrameStrips.h"
#include "skinui/NinePieceImage.h"
#include "skinui/SkinRect.h"

#include <benchmark/benchmark.h>

namespace {

const QSize kDialog(400, 200);
const QSize kControl(300, 100);

// A 100 x 60 skin rectangle with 10-pixel borders, and its double-size form.
ScaledSkinPicture Skin(qreal ratio)
{
    return {BenchPicture(QSize(100, 60)), BenchPicture(QSize(200, 120)), ratio};
}

void FrameStrips(benchmark::State& state, qreal ratio)
{
    const ScaledSkinPicture skin = Skin(ratio);
    const NinePieceGeometry g = BenchGeometry();
    const NinePieceGeometry grown = g.GrownTo(QSize(100, 60), kDialog);
    for (auto _ : state) {
        FrameStripImages strips;
        BuildFrameStrips(strips, skin, QRect(0, 0, 100, 60), g, grown, kDialog, {});
        benchmark::DoNotOptimize(strips.top.constBits());
    }
}

void NinePiece(benchmark::State& state, qreal ratio)
{
    const ScaledSkinPicture skin = Skin(ratio);
    const NinePieceGeometry g = BenchGeometry();
    const NinePieceGeometry grown = g.GrownTo(QSize(100, 60), kControl);
    QImage destination;
    for (auto _ : state) {
        BuildNinePieceImage(destination, skin, QRect(0, 0, 100, 60), g, grown, kControl, NinePieceOption::DrawClient);
        benchmark::DoNotOptimize(destination.constBits());
    }
}

} // namespace

BENCHMARK_CAPTURE(FrameStrips, 1, 1.0)->Name("FrameStrips_At1")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(FrameStrips, 1.5, 1.5)->Name("FrameStrips_At1.5")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(FrameStrips, 2, 2.0)->Name("FrameStrips_At2")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(NinePiece, 1, 1.0)->Name("NinePiece_At1")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(NinePiece, 1.5, 1.5)->Name("NinePiece_At1.5")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(NinePiece, 2, 2.0)->Name("NinePiece_At2")->Unit(benchmark::kMicrosecond);
