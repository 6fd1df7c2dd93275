// Painting the frame of a 1024 x 768 form in the shipped skin, against the baseline of one
// plain copy of a 1024 x 768 picture in the same run.

#include "../skinui/PlainCopy.h"

#include "skin/TbsSkinData.h"
#include "skinframe/FramePainting.h"
#include "skinframe/TbsSkinFrame.h"

#include <benchmark/benchmark.h>

#include <QPainter>
#include <QWidget>

namespace {

const QSize kForm(1024, 768);

// A form in the shipped skin with every caption button.
struct SkinnedForm {
    TbsSkinData store;
    QWidget form;
    TbsSkinFrame* frame;

    SkinnedForm()
    {
        store.LoadPackageFile(QStringLiteral(KESTRUNE_DEFAULT_SKIN));
        form.setWindowTitle(QStringLiteral("Kestrune"));
        frame = new TbsSkinFrame(&form);
        frame->SetBorderIcons(biSystemMenu | biMinimize | biMaximize);
        frame->SetSkinData(&store);
        form.resize(kForm);
        form.show();
    }
};

void PlainCopy(benchmark::State& state)
{
    QImage picture(kForm, QImage::Format_RGB32);
    picture.fill(qRgb(0x2F, 0x6F, 0xC8));
    BenchPlainCopy(state, picture);
}

// The strips cut from the frame picture, the caption and the buttons drawn into them, the
// strips drawn around the client area: what the first paint after a change of size, skin or
// activation does (later paints reuse the cut strips).
void PaintFrame(benchmark::State& state)
{
    SkinnedForm skinned;
    FrameObjectPaint paint;
    paint.framePicture = &skinned.store.FramePicture();
    paint.caption = skinned.form.windowTitle();
    QImage destination(kForm, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&destination);
        PaintSkinFrame(painter, BuildFormFrameStrips(skinned.store, skinned.frame->Geometry(), true),
                       skinned.frame->Geometry(), skinned.frame->Objects(), paint);
        painter.end();
        benchmark::DoNotOptimize(destination.constBits());
    }
}

// The whole form as the window system asks for it: client background and frame.
void RenderForm(benchmark::State& state)
{
    SkinnedForm skinned;
    QImage destination(kForm, QImage::Format_RGB32);
    for (auto _ : state) {
        skinned.form.render(&destination);
        benchmark::DoNotOptimize(destination.constBits());
    }
}

} // namespace

BENCHMARK(PlainCopy)->Name("Frame_PlainCopy1024x768")->Unit(benchmark::kMicrosecond);
BENCHMARK(PaintFrame)->Name("Frame_PaintFrame1024x768")->Unit(benchmark::kMicrosecond);
BENCHMARK(RenderForm)->Name("Frame_RenderForm1024x768")->Unit(benchmark::kMicrosecond);
