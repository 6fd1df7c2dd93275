// Work on hostile files against honest files of the same size or pixel count. Each pair is
// read at two sizes; compare the times of one run: hostile against honest (a small multiple at
// most) and the larger size against the smaller (no more than their ratio).
#include "HostileInputs.h"
#include "platform/DataFormatError.h"
#include "platform/JpegDecoder.h"
#include "platform/PeResourceTable.h"
#include "platform/PngDecoder.h"

#include <QBuffer>
#include <QImage>
#include <benchmark/benchmark.h>

#include <map>

namespace {

// Generating the inputs costs more than reading them, so each is made once.
const QByteArray& Cached(QByteArray (*make)(int), int size)
{
    static std::map<std::pair<QByteArray (*)(int), int>, QByteArray> inputs;
    auto [it, added] = inputs.try_emplace({make, size});
    if (added)
        it->second = make(size);
    return it->second;
}

// The name grows with the entries that repeat it, so the file doubles when both do.
QByteArray SharedNamePack(int entries)
{
    return HostileInputs::PackWithSharedName(entries, 8 * entries);
}

QByteArray PlainPng(int side)
{
    QImage picture(side, side, QImage::Format_ARGB32);
    picture.fill(qRgba(30, 60, 90, 200));
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG");
    return png;
}

// One compressed megabyte of comment per eight rows.
QByteArray CommentedPng(int side)
{
    return HostileInputs::PngWithComments(PlainPng(side), side / 8);
}

// What `kestrune-pack list` does: read the directory and touch every name.
void ListPack(benchmark::State& state, QByteArray (*make)(int))
{
    const QByteArray& pack = Cached(make, int(state.range(0)));
    for (auto _ : state) {
        qsizetype characters = 0;
        try {
            const PeResourceTable table = PeResourceTable::read(pack);
            for (const ResourceEntry& entry : table.entries())
                characters += entry.name.name().size();
        } catch (const DataFormatError&) {
        }
        benchmark::DoNotOptimize(characters);
    }
    state.counters["file_kB"] = double(pack.size()) / 1024;
}
BENCHMARK_CAPTURE(ListPack, DistinctNames, HostileInputs::PackWithDistinctNames)->Arg(2000)->Arg(4000)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ListPack, SharedLongName, SharedNamePack)->Arg(2000)->Arg(4000)->Unit(benchmark::kMillisecond);

void DecodePicture(benchmark::State& state, QByteArray (*make)(int), QImage (*decode)(QByteArrayView))
{
    const QByteArray& picture = Cached(make, int(state.range(0)));
    for (auto _ : state) {
        try {
            benchmark::DoNotOptimize(decode(picture));
        } catch (const DataFormatError&) {
        }
    }
    state.counters["file_kB"] = double(picture.size()) / 1024;
}
// The costliest picture the decoder still takes: as many scans as it allows.
QByteArray MostScansJpeg(int side)
{
    return HostileInputs::JpegWithScans(side, JpegDecoder::MaxScans);
}

BENCHMARK_CAPTURE(DecodePicture, PlainJpeg, HostileInputs::PlainJpeg, JpegDecoder::decode)->Arg(512)->Arg(1024)->Arg(4096)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(DecodePicture, JpegOf1900Scans, HostileInputs::JpegWithManyScans, JpegDecoder::decode)->Arg(512)->Arg(1024)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(DecodePicture, JpegOfMostScansAllowed, MostScansJpeg, JpegDecoder::decode)->Arg(4096)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(DecodePicture, PlainPng, PlainPng, PngDecoder::decode)->Arg(64)->Arg(128)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(DecodePicture, PngWithComments, CommentedPng, PngDecoder::decode)->Arg(64)->Arg(128)->Unit(benchmark::kMillisecond);

} // namespace
