// Painting the main window's tab strip: twelve tabs 143 x 30 from x 90 on a 1272-pixel page
// control over a blue panel with the logo, drawn with the default skin (transparent strip
// background, so the panel and the logo are painted under it) or plainly, against the
// baseline of the toolkit's own tab bar doing the same work in the same run (Fusion style,
// twelve closable tabs, 1272 x 30, rendered into a picture), and one plain copy of a picture
// the size of the strip.

#include "../skinui/PlainCopy.h"
#include "MainStrip.h"

#include "framework/TImage.h"
#include "framework/TPanel.h"
#include "skin/TbsSkinData.h"

#include <benchmark/benchmark.h>

#include <QPainter>
#include <QStyle>
#include <QStyleFactory>
#include <QTabBar>

#include <memory>

namespace {

const QSize kStrip(1272, 30);

// The main window's arrangement, without its browsers.
struct Window {
    TbsSkinData store;
    TPanel panel;
    TbsSkinPageControl* strip = nullptr;

    explicit Window(bool skinned)
    {
        panel.resize(1280, 760);
        panel.SetColor(QColor(8, 135, 216));
        auto* logo = new TImage(&panel);
        logo->setGeometry(5, 6, 392, 57);
        QImage picture(86, 40, QImage::Format_ARGB32);
        picture.fill(QColor(255, 206, 84, 200));
        logo->SetPicture(picture);
        strip = MakeMainStrip(&panel);
        if (skinned) {
            store.LoadPackageFile(QStringLiteral(KESTRUNE_DEFAULT_SKIN));
            strip->SetSkinData(&store);
        }
        panel.show();
    }
};

void Strip_QTabBarFusion(benchmark::State& state)
{
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    QTabBar bar;
    bar.setStyle(fusion.get());
    bar.setTabsClosable(true);
    bar.setExpanding(false);
    for (int i = 0; i < 12; ++i)
        bar.addTab(QStringLiteral("游戏列表 %1").arg(i));
    bar.resize(kStrip);
    bar.show();
    QImage destination(kStrip, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        bar.render(&destination, QPoint(), QRegion(QRect(QPoint(0, 0), kStrip)));
        benchmark::DoNotOptimize(destination.constBits());
    }
}

void Strip_PlainCopy(benchmark::State& state)
{
    QImage picture(kStrip, QImage::Format_ARGB32_Premultiplied);
    picture.fill(qRgb(8, 135, 216));
    BenchPlainCopy(state, picture);
}

void PaintStrip(benchmark::State& state, bool skinned)
{
    Window window(skinned);
    QImage destination(kStrip, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        window.strip->render(&destination, QPoint(), QRegion(QRect(QPoint(0, 0), kStrip)));
        benchmark::DoNotOptimize(destination.constBits());
    }
}

void Strip_TwelveTabsSkinned(benchmark::State& state)
{
    PaintStrip(state, true);
}

void Strip_TwelveTabsPlain(benchmark::State& state)
{
    PaintStrip(state, false);
}

BENCHMARK(Strip_QTabBarFusion)->Unit(benchmark::kMicrosecond);
BENCHMARK(Strip_PlainCopy)->Unit(benchmark::kMicrosecond);
BENCHMARK(Strip_TwelveTabsSkinned)->Unit(benchmark::kMicrosecond);
BENCHMARK(Strip_TwelveTabsPlain)->Unit(benchmark::kMicrosecond);

}  // namespace
