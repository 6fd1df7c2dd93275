// Loading the default skin package, file to filled store, against the baseline of inflating
// its compressed block alone. Compare the two times of one run.

#include "skin/TbsCompressedStoredSkin.h"
#include "skin/TbsSkinData.h"

#include <benchmark/benchmark.h>

namespace {

const QString kPackage = QStringLiteral(KESTRUNE_DEFAULT_SKIN);

void InflateBlockBaseline(benchmark::State& state)
{
    TbsCompressedStoredSkin stored;
    stored.ReadPackageFile(kPackage);
    for (auto _ : state) {
        QByteArray unpacked;
        stored.Unpack(unpacked);
        benchmark::DoNotOptimize(unpacked.data());
    }
}

void LoadPackageFileIntoStore(benchmark::State& state)
{
    TbsSkinData store;
    for (auto _ : state) {
        store.LoadPackageFile(kPackage);
        benchmark::DoNotOptimize(store.SkinControls().size());
    }
}

} // namespace

BENCHMARK(InflateBlockBaseline);
BENCHMARK(LoadPackageFileIntoStore);
BENCHMARK_MAIN();
