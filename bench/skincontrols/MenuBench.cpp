// Opening a 20-item popup menu level and painting it, with the client's skin and in the plain
// look, against the baseline of the toolkit's own menu doing the same work in the same run
// (Fusion style, 20 items with one separator, built and rendered), and one plain copy of a
// picture of the level's size.

#include "../skinui/PlainCopy.h"

#include "framework/TMenuItem.h"
#include "skin/TbsSkinData.h"
#include "skincontrols/TbsSkinMenu.h"
#include "skincontrols/TbsSkinPopupWindow.h"
#include "skinui/MonitorWorkArea.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QMenu>
#include <QPainter>
#include <QStyle>
#include <QStyleFactory>
#include <QWidget>

#include <memory>

namespace {

constexpr int kItems = 20;

struct MenuFixture {
    QWidget form;
    TbsSkinMenu menu{&form};
    TMenuItem root;
    TbsSkinData store;

    explicit MenuFixture(bool skinned)
    {
        if (skinned)
            store.LoadPackageFile(QStringLiteral(KESTRUNE_DEFAULT_SKIN));
        for (int i = 0; i < kItems; ++i) {
            auto* item = new TMenuItem;
            item->SetCaption(i % 5 == 4 ? QStringLiteral("-") : QStringLiteral("菜单项 &%1 Item").arg(i));
            root.Add(item);
        }
    }

    // Opens the level, paints it into picture and closes it again, freeing the window.
    void OpenAndPaint(QImage& picture)
    {
        const QPoint corner = GetMonitorWorkArea(nullptr, true).topLeft();
        menu.PopupAt(&form, &store, &root, corner);
        TbsSkinPopupWindow* level = menu.Level(0);
        if (picture.size() != level->size())
            picture = QImage(level->size(), QImage::Format_RGB32);
        level->render(&picture);
        menu.CloseAll();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

QSize LevelSize()
{
    MenuFixture fixture(true);
    QImage picture;
    fixture.OpenAndPaint(picture);
    return picture.size();
}

void QMenuFusion(benchmark::State& state)
{
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    QImage picture;
    for (auto _ : state) {
        QMenu menu;
        menu.setStyle(fusion.get());
        for (int i = 0; i < kItems; ++i) {
            if (i == kItems / 2)
                menu.addSeparator();
            else
                menu.addAction(QStringLiteral("菜单项 &%1 Item").arg(i));
        }
        menu.ensurePolished();
        menu.adjustSize();
        if (picture.size() != menu.size())
            picture = QImage(menu.size(), QImage::Format_RGB32);
        menu.render(&picture);
        benchmark::DoNotOptimize(picture.constBits());
    }
}

void CopyPicture(benchmark::State& state)
{
    const QSize size = LevelSize();
    QImage source(size, QImage::Format_RGB32);
    source.fill(Qt::darkCyan);
    BenchPlainCopy(state, source);
    state.SetLabel(QStringLiteral("%1 x %2").arg(size.width()).arg(size.height()).toStdString());
}

void OpenAndPaint(benchmark::State& state, bool skinned)
{
    MenuFixture fixture(skinned);
    QImage picture;
    for (auto _ : state) {
        fixture.OpenAndPaint(picture);
        benchmark::DoNotOptimize(picture.constBits());
    }
}

void OpenAndPaintSkinned(benchmark::State& state)
{
    OpenAndPaint(state, true);
}

void OpenAndPaintPlain(benchmark::State& state)
{
    OpenAndPaint(state, false);
}

} // namespace

BENCHMARK(QMenuFusion)->Name("Menu_QMenuFusion20Items");
BENCHMARK(CopyPicture)->Name("Menu_CopyPicture");
BENCHMARK(OpenAndPaintSkinned)->Name("Menu_OpenAndPaint20Items");
BENCHMARK(OpenAndPaintPlain)->Name("Menu_OpenAndPaint20ItemsPlain");
