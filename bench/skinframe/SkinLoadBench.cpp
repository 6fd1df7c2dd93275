// One load of the shipped skin while two forms listen: a dialog in its skinned frame with two
// buttons, a gauge, a label and a text label, and a form holding a page control of twelve tabs
// with its scroll arrows. Measured against the same load with no form listening, in the same
// run: the difference is what the forms and their controls do with the load's notices.

#include "../skincontrols/MainStrip.h"

#include "skin/TbsSkinData.h"
#include "skincontrols/TbsSkinButton.h"
#include "skincontrols/TbsSkinGauge.h"
#include "skincontrols/TbsSkinLabel.h"
#include "skincontrols/TbsSkinTextLabel.h"
#include "skinframe/TbsSkinFrame.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QWidget>

namespace {

const QString kSkin = QStringLiteral(KESTRUNE_DEFAULT_SKIN);

// The forms, bound to store; their controls hear every load of it.
struct ListeningForms {
    QWidget dialog;
    QWidget window;

    explicit ListeningForms(TbsSkinData& store)
    {
        auto* frame = new TbsSkinFrame(&dialog, TFormBorderStyle::bsDialog);
        frame->SetSkinData(&store);
        dialog.resize(320, 160);
        for (int i = 0; i < 2; ++i) {
            auto* button = new TbsSkinButton(&dialog);
            button->SetCaption(QStringLiteral("确定"));
            button->SetSkinData(&store);
        }
        (new TbsSkinGauge(&dialog))->SetSkinData(&store);
        (new TbsSkinLabel(&dialog))->SetSkinData(&store);
        auto* text = new TbsSkinTextLabel(&dialog);
        text->SetLines({QStringLiteral("确定要清理缓存吗？")});
        text->SetSkinData(&store);

        auto* windowFrame = new TbsSkinFrame(&window, TFormBorderStyle::bsNone);
        windowFrame->SetSkinData(&store);
        window.resize(1280, 760);
        MakeMainStrip(&window)->SetSkinData(&store);
    }
};

void Load(benchmark::State& state, bool listening)
{
    TbsSkinData store;
    store.LoadPackageFile(kSkin);
    std::unique_ptr<ListeningForms> forms = listening ? std::make_unique<ListeningForms>(store) : nullptr;
    for (auto _ : state) {
        store.LoadPackageFile(kSkin);
        // What the load left to do later (repaints are not counted: nothing is on screen).
        QCoreApplication::sendPostedEvents();
        benchmark::DoNotOptimize(store.IsEmpty());
    }
}

void SkinLoad_NoFormListening(benchmark::State& state)
{
    Load(state, false);
}

void SkinLoad_TwoFormsListening(benchmark::State& state)
{
    Load(state, true);
}

} // namespace

BENCHMARK(SkinLoad_NoFormListening)->Unit(benchmark::kMicrosecond);
BENCHMARK(SkinLoad_TwoFormsListening)->Unit(benchmark::kMicrosecond);
