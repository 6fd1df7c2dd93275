#include "browser/ProfileUrlCache.h"

#include "framework/TApplicationEvents.h"

#include <QDir>
#include <QDirIterator>
#include <QWebEngineProfile>
#include <sys/stat.h>

namespace {
constexpr int kPollMs = 20;
// Ticks without any entry file going before the clear is asked for again (2 s).
constexpr int kStillTicksBeforeAskingAgain = 2000 / kPollMs;
}  // namespace

ProfileUrlCache::ProfileUrlCache(QWebEngineProfile& profile, QObject* parent) : UrlCache(parent), profile_(profile)
{
    poll_.setInterval(kPollMs);
    connect(&poll_, &QTimer::timeout, this, &ProfileUrlCache::Check);
}

void ProfileUrlCache::PurgeUrlCache(const QString&)
{
    if (Purging()) {
        // A joining caller learns where the running purge stands.
        Progress(int(lastLeft_.size()));
        return;
    }
    folder_ = CacheFolder(profile_);
    before_ = ReadEntryFiles(folder_);
    stillTicks_ = 0;
    lastLeft_ = before_.keys();
    lastLeft_.sort();
    askedAgainFor_.clear();
    profile_.clearHttpCache();
    // The first look comes with the first poll, never within this call, an empty cache
    // included: the engine takes the request in on a turn of its own, and a page asked for in
    // the same turn as a clear can stall for good.
    poll_.start();
    Progress(int(before_.size()));
}

void ProfileUrlCache::Check()
{
    const QStringList left = Remaining(before_, ReadEntryFiles(folder_));
    if (left != lastLeft_) {
        lastLeft_ = left;
        stillTicks_ = 0;
        Progress(int(left.size()));
    } else if (++stillTicks_ >= kStillTicksBeforeAskingAgain) {
        stillTicks_ = 0;
        // Files that a repeated request leaves exactly as they were are none of the engine's
        // entries (a crashed run can leave such strays): the cache itself is empty.
        if (left == askedAgainFor_) {
            Finish();
            return;
        }
        askedAgainFor_ = left;
        profile_.clearHttpCache();
    }
    if (left.isEmpty())
        Finish();
}

void ProfileUrlCache::Progress(int left)
{
    // The notices run the cleaner's handlers; what they raise goes to the one error handler.
    TApplicationEvents::Guard([&] { Q_EMIT PurgeProgress(left, int(before_.size())); });
}

void ProfileUrlCache::Finish()
{
    poll_.stop();
    TApplicationEvents::Guard([this] { Q_EMIT Purged(); });
}

ProfileUrlCache::EntryFiles ProfileUrlCache::ReadEntryFiles(const QString& cacheFolder)
{
    EntryFiles files;
    // Only the folder's own files: the index lives in a subfolder and beside them as "index".
    QDirIterator entries(cacheFolder, QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
    while (entries.hasNext()) {
        const QString path = entries.next();
        // The engine renames a file it drops to "todelete_..." before it deletes it; such a
        // file holds no entry any more, and one left by a crash stays for good.
        if (entries.fileName() == QLatin1String("index") || entries.fileName().startsWith(QLatin1String("todelete_")))
            continue;
        struct stat info {};
        if (lstat(QFile::encodeName(path).constData(), &info) != 0)
            continue;  // gone while we looked
        files.insert(entries.fileName(),
                     {quint64(info.st_ino), qint64(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec});
    }
    return files;
}

QStringList ProfileUrlCache::Remaining(const EntryFiles& before, const EntryFiles& now)
{
    QStringList left;
    for (auto file = before.cbegin(); file != before.cend(); ++file)
        if (const auto still = now.constFind(file.key()); still != now.cend() && *still == file.value())
            left << file.key();
    left.sort();
    return left;
}

QString ProfileUrlCache::CacheFolder(const QWebEngineProfile& profile)
{
    return profile.cachePath() + QStringLiteral("/Cache/Cache_Data");
}
