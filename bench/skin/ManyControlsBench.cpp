// Loading a skin of many controls, each reading its keys from its own section: the time per
// control must not grow with their number. Compare the two sizes of one run (4x the controls:
// at most about 4x the time).
#include "HostileInputs.h"
#include "skin/TbsCompressedStoredSkin.h"
#include "skin/TbsSkinData.h"

#include <QBuffer>
#include <benchmark/benchmark.h>

namespace {

void LoadManyControls(benchmark::State& state)
{
    QByteArray package = HostileInputs::SkinPackageWithControls(int(state.range(0)));
    QBuffer buffer(&package);
    buffer.open(QIODevice::ReadOnly);
    TbsCompressedStoredSkin stored;
    stored.ReadPackageStream(buffer);
    TbsSkinData store;
    for (auto _ : state) {
        store.LoadFromStoredSkin(&stored);
        benchmark::DoNotOptimize(store.SkinControls().size());
    }
}
BENCHMARK(LoadManyControls)->Arg(2000)->Arg(8000)->Unit(benchmark::kMillisecond);

} // namespace
