// Loading a hover picture from the pack on every pointer move: how much the pack lookup adds
// to decoding the same bytes. Nothing is cached, so both sides decode every time.
#include "platform/JpegDecoder.h"
#include "platform/ModuleRegistry.h"
#include "platform/PeResourceWriter.h"
#include "platform/PngDecoder.h"
#include "platform/ResourceAccess.h"

#include <QBuffer>
#include <QFile>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

struct Holder {
    QImage picture;
    void SetPicture(const QImage& image) { picture = image; }
};

QByteArray Drawn(int width, int height, const char* format)
{
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    QLinearGradient gradient(0, 0, 0, height);
    gradient.setColorAt(0, QColor(90, 160, 240));
    gradient.setColorAt(1, QColor(20, 80, 190, 200));
    painter.fillRect(image.rect(), gradient);
    painter.setPen(QPen(Qt::white, 2));
    painter.drawLine(8, 6, width - 8, height - 6);
    painter.end();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format, 95);
    return bytes;
}

// A pack shaped like the real one: 40 pictures, the hover ones among them.
struct BenchPack {
    QTemporaryDir dir;
    ModuleHandle handle = 0;
    QByteArray hoverJpeg = Drawn(27, 22, "JPEG");
    QByteArray hoverPng = Drawn(62, 22, "PNG");

    BenchPack()
    {
        PeResourceWriter writer;
        const ResourceId jpeg(QStringLiteral("JPEG")), png(QStringLiteral("PNG"));
        for (int i = 0; i < 19; ++i) {
            writer.add(jpeg, ResourceId(QStringLiteral("Picture%1").arg(i)), 0, hoverJpeg);
            writer.add(png, ResourceId(QStringLiteral("Link%1").arg(i)), 0, hoverPng);
        }
        writer.add(jpeg, ResourceId(QStringLiteral("CloseMove")), 0, hoverJpeg);
        writer.add(png, ResourceId(QStringLiteral("YXM")), 0, hoverPng);
        QFile file(dir.filePath(QStringLiteral("Tarvel.dll")));
        file.open(QIODevice::WriteOnly);
        file.write(writer.build());
        file.close();
        handle = ModuleRegistry::load(file.fileName());
    }
};

BenchPack& Pack()
{
    static BenchPack pack;
    return pack;
}

using Decoder = QImage (*)(QByteArrayView);

// Baseline: the decoder alone on the hover picture's bytes.
void DecodeAlone(benchmark::State& state, Decoder decode, QByteArray BenchPack::*bytes)
{
    const QByteArray picture = Pack().*bytes;
    for (auto _ : state)
        benchmark::DoNotOptimize(decode(picture));
}
BENCHMARK_CAPTURE(DecodeAlone, HoverJpeg, JpegDecoder::decode, &BenchPack::hoverJpeg);
BENCHMARK_CAPTURE(DecodeAlone, HoverPng, PngDecoder::decode, &BenchPack::hoverPng);

// What a hover handler does: look the picture up in the pack, decode it, hand it over.
void LoadFromPack(benchmark::State& state, const char* name, const char* type)
{
    Holder holder;
    const QString resName = QString::fromLatin1(name), resType = QString::fromLatin1(type);
    for (auto _ : state) {
        LoadResourceImage(Pack().handle, holder, resName, resType);
        benchmark::DoNotOptimize(holder.picture);
    }
}
BENCHMARK_CAPTURE(LoadFromPack, HoverJpeg, "CloseMove", "JPEG");
BENCHMARK_CAPTURE(LoadFromPack, HoverPng, "YXM", "PNG");

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
