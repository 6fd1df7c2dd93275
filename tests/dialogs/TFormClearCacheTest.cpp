#include "dialogs/TFormClearCache.h"

#include "browser/ProfileUrlCache.h"
#include "browser/TWebBrowser.h"
#include "framework/TImage.h"
#include "framework/TTimer.h"
#include "platform/Global.h"
#include "platform/PeResourceWriter.h"
#include "platform/ResourcePack.h"
#include "skin/TbsSkinData.h"
#include "skincontrols/TbsSkinButton.h"
#include "skincontrols/TbsSkinGauge.h"
#include "skincontrols/TbsSkinLabel.h"
#include "dialogs/DialogTestSupport.h"
#include "support/PortalFixture.h"
#include "support/TimerTick.h"
#include "support/Wait.h"

#include <QApplication>
#include <QBuffer>
#include <QFile>
#include <QPointer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWebEngineProfile>
#include <gtest/gtest.h>

#include <functional>

namespace {

// The web profile's real cache, filled by a demo-portal page with entries kept for a day.
struct PortalCache {
    PortalFixture portal;
    QWidget sheet;
    TWebBrowser browser{&sheet};
    ProfileUrlCache cache{*TWebBrowser::SharedProfile()};

    ProfileUrlCache::EntryFiles Entries() const
    {
        return ProfileUrlCache::ReadEntryFiles(ProfileUrlCache::CacheFolder(*TWebBrowser::SharedProfile()));
    }
    // Empties the cache, and the folder of files an earlier run may have left that the
    // engine does not count as entries (the purge leaves those alone).
    void Empty()
    {
        QSignalSpy purged(&cache, &UrlCache::Purged);
        cache.PurgeUrlCache(QString());
        ASSERT_TRUE(purged.wait(20000));
        const QString folder = ProfileUrlCache::CacheFolder(*TWebBrowser::SharedProfile());
        for (const QString& stray : Entries().keys())
            QFile::remove(folder + QLatin1Char('/') + stray);
    }
    // Empties the cache, then fills it with count entries.
    void Fill(int count)
    {
        Empty();
        QString title;
        QObject::connect(&browser, &TWebBrowser::OnTitleChange, &browser,
                         [&](QObject*, const QString& text) { title = text; });
        browser.Navigate(portal.Url(QStringLiteral("cachefill.html?count=%1").arg(count)));
        ASSERT_TRUE(WaitFor([&] { return title.startsWith(QStringLiteral("filled ")); }, 60000));
        browser.disconnect(&browser);
        ASSERT_TRUE(WaitFor([&] { return Entries().size() >= count; }));
    }
};

// The cleaner with the client's skin, shown as the modal dialog it is.
struct ClientSkin {
    TbsSkinData store;
    ClientSkin() { store.LoadPackageFile(QStringLiteral(KESTRUNE_DEFAULT_SKIN)); }
};

struct Cleaner : ClientSkin {
    TFormClearCache dialog;

    explicit Cleaner(UrlCache& cache) : dialog(&store, cache) {}
    // Shown as the modal dialog it is, its timer in the test's hands from the start: the first
    // tick comes when the test gives it. timerStarted: whether the showing started the timer
    // for its 500 ms.
    void Show()
    {
        dialog.setModal(true);
        dialog.show();
        timerStarted = dialog.TimerWork->Enabled() && dialog.TimerWork->Interval() == 500;
        dialog.TimerWork->SetEnabled(false);
        dialog.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
    }
    void FirstTick() { Tick(dialog.TimerWork); }
    bool timerStarted = false;
    bool Done() const
    {
        return dialog.bsSkinButtonOK->isEnabled() && !dialog.bsSkinGauge->isVisible() && dialog.ImageFace->isVisible()
               && dialog.bsSkinLabelTitle->isVisible();
    }
    void Key(Qt::Key key) { DialogTest::Key(dialog, key); }
};

// The resource pack of the build, loaded for one test.
struct LoadedPack {
    explicit LoadedPack(const QString& directory = QStringLiteral(KESTRUNE_PACK_DIR))
    {
        ResourcePackHandle = LoadResourcePack(directory);
    }
    ~LoadedPack() { ResourcePackHandle = 0; }
};

TEST(TFormClearCache, WaitsInItsSkinnedFrameWithItsGaugeHalfFullAndOkDisabled)
{
    PortalCache cache;
    Cleaner cleaner(cache.cache);
    TFormClearCache& dialog = cleaner.dialog;
    cleaner.Show();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("清理缓存"));
    DialogTest::ExpectSkinnedFrame(dialog, TFormBorderStyle::bsSizeable,
                                   {QStringLiteral("caption"), QStringLiteral("closebutton")}, QSize(314, 142));
    EXPECT_EQ(dialog.bsSkinFrame1->SkinData(), &cleaner.store);
    EXPECT_EQ(dialog.font().family(), QStringLiteral("Tahoma"));
    EXPECT_TRUE(cleaner.timerStarted);
    EXPECT_EQ(dialog.bsSkinGauge->geometry(), QRect(24, 56, 273, 20));
    EXPECT_EQ(dialog.bsSkinGauge->Value(), 50);
    EXPECT_EQ(dialog.bsSkinGauge->MaxValue(), 100);
    EXPECT_EQ(dialog.bsSkinGauge->SkinData(), &cleaner.store);
    EXPECT_EQ(dialog.bsSkinButtonOK->geometry(), QRect(222, 98, 75, 25));
    EXPECT_FALSE(dialog.bsSkinButtonOK->isEnabled());
    EXPECT_TRUE(dialog.ImageFace->isHidden());
    EXPECT_TRUE(dialog.bsSkinLabelTitle->isHidden());
    EXPECT_EQ(dialog.bsSkinLabelTitle->Caption(), QStringLiteral("清理完成"));
    EXPECT_FALSE(dialog.Cleaning());
}

// Nothing to wait for: the first look after the tick finds the cache empty, and the gauge
// never shows a purge's progress.
TEST(TFormClearCache, AnEmptyCacheIsDoneRightAfterTheFirstTickWithTheFacePicture)
{
    LoadedPack pack;
    PortalCache cache;
    cache.Empty();
    Cleaner cleaner(cache.cache);
    QSignalSpy progress(&cache.cache, &UrlCache::PurgeProgress);
    cleaner.Show();
    cleaner.Key(Qt::Key_Escape);  // no cancel button: Escape closes nothing
    EXPECT_TRUE(cleaner.dialog.isVisible());
    cleaner.FirstTick();
    EXPECT_TRUE(cleaner.dialog.Cleaning());
    ASSERT_TRUE(WaitFor([&] { return cleaner.Done(); }));
    ASSERT_EQ(progress.count(), 1);
    EXPECT_EQ(progress.at(0), (QVariantList{0, 0}));
    EXPECT_FALSE(cleaner.dialog.TimerWork->Enabled());
    EXPECT_EQ(cleaner.dialog.bsSkinGauge->MaxValue(), 0);
    EXPECT_EQ(cleaner.dialog.bsSkinGauge->Value(), 0);
    EXPECT_FALSE(cleaner.dialog.ImageFace->Picture().isNull()) << "the pack's face picture";
    EXPECT_EQ(cleaner.dialog.ImageFace->geometry(), QRect(64, 34, 60, 62));
    EXPECT_EQ(cleaner.dialog.bsSkinLabelTitle->geometry(), QRect(130, 47, 57, 21));
    cleaner.Key(Qt::Key_Escape);
    EXPECT_TRUE(cleaner.dialog.isVisible());
    // Shown again (back from minimized, say), the done dialog starts no second cleaning.
    cleaner.dialog.hide();
    cleaner.Show();
    EXPECT_FALSE(cleaner.timerStarted);
    cleaner.Key(Qt::Key_Return);
    EXPECT_FALSE(cleaner.dialog.isVisible());
    EXPECT_EQ(cleaner.dialog.result(), 1);
    EXPECT_EQ(progress.count(), 1);
}

// A thousand entries. From the first tick until the cache is empty the dialog refuses every
// way to close, its frame's close button included, and it goes on painting: the gauge leaves
// its waiting picture for the purge's progress. (The engine drops a thousand entries within
// one look of the purge, so the progress goes from none to done in one step.)
TEST(TFormClearCache, WhileCleaningItTakesNoInputAndItsGaugeRepaints)
{
    PortalCache cache;
    cache.Fill(1000);
    const ProfileUrlCache::EntryFiles before = cache.Entries();
    Cleaner cleaner(cache.cache);
    TFormClearCache& dialog = cleaner.dialog;
    const QImage waiting = dialog.bsSkinGauge->grab().toImage();

    int paintsWhileCleaning = 0;
    struct PaintWatch : QObject {
        std::function<void()> seen;
        bool eventFilter(QObject*, QEvent* event) override
        {
            if (event->type() == QEvent::Paint)
                seen();
            return false;
        }
    } watch;
    watch.seen = [&] { paintsWhileCleaning += dialog.Cleaning() ? 1 : 0; };
    dialog.bsSkinGauge->installEventFilter(&watch);
    QList<QImage> progressPictures;
    // Queued: the gauge as the dialog has just set it, the way the next paint shows it.
    QObject::connect(
        &cache.cache, &UrlCache::PurgeProgress, &dialog, [&] { progressPictures << dialog.bsSkinGauge->grab().toImage(); },
        Qt::QueuedConnection);

    cleaner.Show();
    cleaner.FirstTick();
    EXPECT_TRUE(dialog.Cleaning() && cache.cache.Purging());
    cleaner.Key(Qt::Key_Escape);
    cleaner.Key(Qt::Key_Return);
    QTest::mouseClick(dialog.bsSkinButtonOK, Qt::LeftButton);
    DialogTest::ClickCloseButton(dialog);
    dialog.close();
    QCoreApplication::processEvents();  // the close button's close comes queued
    EXPECT_TRUE(dialog.isVisible() && !dialog.bsSkinButtonOK->isEnabled()) << "nothing closes it while it cleans";
    ASSERT_TRUE(WaitFor([&] { return cleaner.Done(); }));
    EXPECT_FALSE(dialog.Cleaning());
    EXPECT_TRUE(ProfileUrlCache::Remaining(before, cache.Entries()).isEmpty()) << "done means empty";
    EXPECT_GT(paintsWhileCleaning, 0) << "the dialog painted while the cache emptied";
    ASSERT_FALSE(progressPictures.isEmpty());
    EXPECT_NE(progressPictures.first(), waiting) << "the gauge's picture changed between the first tick and done";
    cleaner.Key(Qt::Key_Return);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), 1);
}

TEST(TFormClearCache, ClosedBeforeTheFirstTickItEndsWithoutCleaning)
{
    PortalCache cache;
    cache.Fill(20);
    const ProfileUrlCache::EntryFiles before = cache.Entries();
    QSignalSpy progress(&cache.cache, &UrlCache::PurgeProgress);
    auto cleaner = std::make_unique<Cleaner>(cache.cache);
    cleaner->Show();
    DialogTest::ClickCloseButton(cleaner->dialog);
    EXPECT_TRUE(WaitForHidden(cleaner->dialog));
    EXPECT_NE(cleaner->dialog.result(), 1);
    const QPointer<TTimer> timer = cleaner->dialog.TimerWork;
    cleaner.reset();
    EXPECT_TRUE(timer.isNull()) << "the timer went with the dialog";
    EXPECT_EQ(progress.count(), 0);
    EXPECT_FALSE(cache.cache.Purging());
    // By name: the engine may still rewrite an entry of the page that filled the cache.
    const ProfileUrlCache::EntryFiles after = cache.Entries();
    for (const QString& name : before.keys())
        EXPECT_TRUE(after.contains(name)) << "not deleted: " << name.toStdString();
}

TEST(TFormClearCache, APackWithoutTheFacePictureIsReportedAndTheDialogStillRuns)
{
    QTemporaryDir packDir;
    ASSERT_TRUE(packDir.isValid());
    PeResourceWriter writer;
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    QImage(4, 4, QImage::Format_RGB32).save(&buffer, "JPEG");
    writer.add(ResourceId(QStringLiteral("JPEG")), ResourceId(QStringLiteral("Set")), 0, jpeg);
    QFile file(packDir.filePath(QStringLiteral("Tarvel.dll")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(writer.build());
    file.close();
    LoadedPack pack(packDir.path() + QLatin1Char('/'));
    ASSERT_NE(ResourcePackHandle, 0u);

    PortalCache cache;
    Cleaner cleaner(cache.cache);
    testing::internal::CaptureStderr();
    cleaner.Show();
    const std::string errors = testing::internal::GetCapturedStderr();
    EXPECT_NE(errors.find("Resource Face not found"), std::string::npos);
    cleaner.FirstTick();
    EXPECT_TRUE(WaitFor([&] { return cleaner.Done(); }));
    EXPECT_TRUE(cleaner.dialog.ImageFace->Picture().isNull());
}

}  // namespace
