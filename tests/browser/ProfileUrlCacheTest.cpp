#include "browser/ProfileUrlCache.h"
#include "browser/TWebBrowser.h"
#include "support/PortalFixture.h"
#include "support/Wait.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QWebEngineProfile>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

int CachedItemRequests(PortalFixture& portal)
{
    return int(portal.Server().Log().filter(QStringLiteral("GET /cached/item.txt?n=")).size());
}

// The real engine and the shared profile: a page keeps 40 files for a day; after the purge
// reports the cache empty, the same page asks the server for all of them again, and the
// login cookie it set before is still there.
TEST(ProfileUrlCache, AfterThePurgeTheCachedFilesComeFromTheServerAgainAndCookiesStay)
{
    PortalFixture portal;
    QWidget sheet;
    TWebBrowser browser(&sheet);
    QString title;
    QObject::connect(&browser, &TWebBrowser::OnTitleChange, &browser, [&](QObject*, const QString& text) { title = text; });
    const QString page = portal.Url(QStringLiteral("cachefill.html?count=40"));
    const auto visit = [&] {
        title.clear();
        browser.Navigate(page);
        return WaitFor([&] { return title.startsWith(QStringLiteral("filled login=")); }, 60000);
    };

    ASSERT_TRUE(visit());
    const QString cookie = title;
    ASSERT_EQ(CachedItemRequests(portal), 40);
    ASSERT_TRUE(visit());
    ASSERT_EQ(CachedItemRequests(portal), 40);  // kept: nothing asked for

    // A stray of a crashed run that the engine does not count among its entries.
    QFile stray(ProfileUrlCache::CacheFolder(*TWebBrowser::SharedProfile()) + QStringLiteral("/00000000feedbeef_0"));
    ASSERT_TRUE(stray.open(QIODevice::WriteOnly));
    stray.close();

    ProfileUrlCache cache(*TWebBrowser::SharedProfile());
    QSignalSpy purged(&cache, &UrlCache::Purged);
    QSignalSpy progress(&cache, &UrlCache::PurgeProgress);
    cache.PurgeUrlCache(QString());
    EXPECT_TRUE(cache.Purging());
    cache.PurgeUrlCache(QString());  // joins the running purge and hears where it stands
    ASSERT_EQ(progress.size(), 2);
    EXPECT_EQ(progress.at(1), progress.at(0));
    EXPECT_GE(progress.at(0).at(1).toInt(), 40);
    ASSERT_TRUE(purged.wait(20000));
    EXPECT_EQ(purged.size(), 1);
    EXPECT_FALSE(cache.Purging());
    const auto left = ProfileUrlCache::ReadEntryFiles(ProfileUrlCache::CacheFolder(*TWebBrowser::SharedProfile()));
    EXPECT_TRUE(left.isEmpty() || QStringList(left.keys()) == QStringList{QStringLiteral("00000000feedbeef_0")});
    stray.remove();

    ASSERT_TRUE(visit());
    EXPECT_EQ(CachedItemRequests(portal), 80);
    EXPECT_EQ(title, cookie);
}

TEST(ProfileUrlCache, OnlyTheFilesThatStillHoldTheirEntryFromBeforeTheClearRemain)
{
    using Files = ProfileUrlCache::EntryFiles;
    const Files before{{QStringLiteral("a_0"), {1, 10}}, {QStringLiteral("b_0"), {2, 20}}};
    const struct {
        const char* what;
        Files now;
        QStringList left;
    } cases[] = {
        {"all gone", {}, {}},
        {"both left", before, {QStringLiteral("a_0"), QStringLiteral("b_0")}},
        {"one left", {{QStringLiteral("b_0"), {2, 20}}}, {QStringLiteral("b_0")}},
        {"a new entry appeared", {{QStringLiteral("c_0"), {3, 30}}}, {}},
        {"a name came back with a new file", {{QStringLiteral("a_0"), {4, 40}}}, {}},
        {"the same file rewritten in place", {{QStringLiteral("a_0"), {1, 11}}}, {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ProfileUrlCache::Remaining(before, c.now), c.left) << c.what;
}

TEST(ProfileUrlCache, ReadsTheEntryFilesButNotTheIndex)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    for (const char* name : {"index", "0123456789abcdef_0", "0123456789abcdef_s", "todelete_0123456789abcdef_0_1"}) {
        QFile file(folder.filePath(QLatin1String(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("index-dir")));
    const auto files = ProfileUrlCache::ReadEntryFiles(folder.path());
    EXPECT_EQ(QStringList(files.keys()).size(), 2);
    EXPECT_TRUE(files.contains(QStringLiteral("0123456789abcdef_0")));
    EXPECT_TRUE(files.contains(QStringLiteral("0123456789abcdef_s")));
    EXPECT_TRUE(ProfileUrlCache::ReadEntryFiles(folder.filePath(QStringLiteral("missing"))).isEmpty());
}

}  // namespace
