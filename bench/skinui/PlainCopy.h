#pragma once

#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>

// The baseline the drawing benchmarks are measured against: one plain copy of a picture into
// a picture of the same size and format.
inline void BenchPlainCopy(benchmark::State& state, const QImage& picture)
{
    QImage destination(picture.size(), picture.format());
    for (auto _ : state) {
        QPainter painter(&destination);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(0, 0, picture);
        painter.end();
        benchmark::DoNotOptimize(destination.constBits());
    }
}
