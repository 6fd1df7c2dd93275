// kestrune-bench-clearcache [ROUNDS] [ENTRIES]: the time from the confirmation's OK to the
// cleaner's done state on the web profile's real disk cache, against deleting the same number
// of entry files directly, in one run.
//
// Each round fills the cache through the demo portal (cachefill.html: ENTRIES files kept for a
// day), copies the entry files to a scratch folder beside the cache and times deleting the
// copies (the baseline: the same files on the same file system, without upsetting the engine's
// index), then answers the confirmation box with Enter and times the cleaner until its OK is
// enabled. The profile lives in a private temporary home. Prints every round, then the medians
// and their ratios to the baseline.
#include "browser/ProfileUrlCache.h"
#include "browser/TWebBrowser.h"
#include "dialogs/TFormClearCache.h"
#include "dialogs/TFormMsgBox.h"
#include "framework/TTimer.h"
#include "skin/TbsSkinData.h"
#include "skincontrols/TbsSkinButton.h"
#include "support/PortalFixture.h"
#include "support/TestEnvironment.h"
#include "support/Wait.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QWebEngineProfile>

#include <algorithm>
#include <cstdio>
#include <stdexcept>
#include <unistd.h>

namespace {

struct Round {
    double deleteMs = 0;   // deleting the entry files' copies
    double okToDoneMs = 0; // confirmation's OK to the cleaner's done state
    double tickToDoneMs = 0; // the cleaner's first tick to its done state
    double tickToGoneMs = 0; // the cleaner's first tick to the last of the engine's files gone
};

double Median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.isEmpty() ? 0 : values[values.size() / 2];
}

QString CacheFolder()
{
    return ProfileUrlCache::CacheFolder(*TWebBrowser::SharedProfile());
}

void Fill(PortalFixture& portal, TWebBrowser& browser, int entries)
{
    QString title;
    const auto connection = QObject::connect(&browser, &TWebBrowser::OnTitleChange, &browser,
                                             [&](QObject*, const QString& text) { title = text; });
    browser.Navigate(portal.Url(QStringLiteral("cachefill.html?count=%1").arg(entries)));
    const bool filled = WaitFor([&] { return title.startsWith(QStringLiteral("filled ")); }, 120000)
                        && WaitFor([&] { return ProfileUrlCache::ReadEntryFiles(CacheFolder()).size() >= entries; });
    QObject::disconnect(connection);
    if (!filled)
        throw std::runtime_error("the cache did not fill");
}

// Copies the entry files to scratch and times deleting the copies.
double DeleteCopies(const QString& scratch)
{
    QDir().mkpath(scratch);
    const QStringList names = ProfileUrlCache::ReadEntryFiles(CacheFolder()).keys();
    for (const QString& name : names)
        if (!QFile::copy(CacheFolder() + u'/' + name, scratch + u'/' + name))
            throw std::runtime_error("an entry file could not be copied");
    ::sync();  // the copies on disk, as the engine's files are by the time the player cleans
    QElapsedTimer clock;
    clock.start();
    for (const QString& name : ProfileUrlCache::ReadEntryFiles(scratch).keys())
        QFile::remove(scratch + u'/' + name);
    return clock.nsecsElapsed() / 1e6;
}

// Notes the moment a widget becomes enabled: the last step of the cleaner's done state.
class EnabledWatch : public QObject {
public:
    explicit EnabledWatch(const QElapsedTimer& clock) : clock_(clock) {}
    qint64 at = -1;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::EnabledChange && static_cast<QWidget*>(watched)->isEnabled() && at < 0)
            at = clock_.nsecsElapsed();
        return false;
    }

private:
    const QElapsedTimer& clock_;
};

// The confirmation answered with Enter, then the cleaner until its OK is enabled.
void Clean(TbsSkinData& skin, UrlCache& cache, Round& round)
{
    QElapsedTimer clock;
    {
        TFormMsgBox box(&skin);
        SetupMsgBox(&box, TFormClearCache::ConfirmationText(), TFormClearCache::ConfirmationCaption(), 4);
        QObject::connect(&box, &QDialog::accepted, &box, [&] { clock.start(); });
        QTimer::singleShot(0, &box, [&] { QTest::keyClick(box.bsSkinButtonOk, Qt::Key_Return); });
        if (box.exec() != 1)
            throw std::runtime_error("the confirmation was not answered with OK");
    }
    TFormClearCache cleaner(&skin, cache);
    qint64 tick = -1;
    QObject::connect(cleaner.TimerWork, &TTimer::OnTimer, &cleaner, [&] { tick = clock.nsecsElapsed(); });
    EnabledWatch done(clock);
    cleaner.bsSkinButtonOK->installEventFilter(&done);
    cleaner.show();
    if (!WaitFor([&] { return done.at >= 0; }, 120000))
        throw std::runtime_error("the cleaner did not finish");
    round.okToDoneMs = done.at / 1e6;
    round.tickToDoneMs = (done.at - tick) / 1e6;
    // The engine drops an entry by renaming its file and deletes the file afterwards.
    const QDir folder(CacheFolder());
    if (!WaitFor([&] { return folder.entryList(QDir::Files | QDir::Hidden) == QStringList{QStringLiteral("index")}; }, 120000))
        throw std::runtime_error("the engine left files behind");
    round.tickToGoneMs = (clock.nsecsElapsed() - tick) / 1e6;
}

}  // namespace

int main(int argc, char** argv)
{
    QTemporaryDir home;
    if (!home.isValid())
        return 1;
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.filePath(QStringLiteral("data"))));
    qputenv("XDG_CACHE_HOME", QFile::encodeName(home.filePath(QStringLiteral("cache"))));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(QStringLiteral("config"))));
    PrepareTestEnvironment();
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, atoi(argv[1])) : 5;
    const int entries = argc > 2 ? std::max(1, atoi(argv[2])) : 1000;

    try {
        PortalFixture portal;
        QWidget sheet;
        TWebBrowser browser(&sheet);
        ProfileUrlCache cache(*TWebBrowser::SharedProfile());
        TbsSkinData skin;
        skin.LoadPackageFile(QStringLiteral(KESTRUNE_DEFAULT_SKIN));
        const QString scratch = home.filePath(QStringLiteral("scratch"));

        QList<double> deletes, okToDone, tickToDone, tickToGone;
        std::printf("round  entries  delete files (ms)  OK to done (ms)  first tick to done (ms)  first tick to files gone (ms)\n");
        for (int n = 1; n <= rounds; ++n) {
            Fill(portal, browser, entries);
            Round round;
            const int files = int(ProfileUrlCache::ReadEntryFiles(CacheFolder()).size());
            round.deleteMs = DeleteCopies(scratch);
            Clean(skin, cache, round);
            std::printf("%5d  %7d  %17.2f  %15.2f  %23.2f  %29.2f\n", n, files, round.deleteMs, round.okToDoneMs,
                        round.tickToDoneMs, round.tickToGoneMs);
            deletes << round.deleteMs;
            okToDone << round.okToDoneMs;
            tickToDone << round.tickToDoneMs;
            tickToGone << round.tickToGoneMs;
        }
        const double base = Median(deletes);
        std::printf("median: delete files %.2f ms; OK to done %.2f ms (%.2fx); first tick to done %.2f ms (%.2fx); "
                    "first tick to files gone %.2f ms (%.2fx)\n",
                    base, Median(okToDone), Median(okToDone) / base, Median(tickToDone), Median(tickToDone) / base,
                    Median(tickToGone), Median(tickToGone) / base);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "kestrune-bench-clearcache: %s\n", error.what());
        return 1;
    }
    return 0;
}
