#include "browser/ProfileUrlCache.h"

#include <QDir>
#include <QDirIterator>
#include <QWebEngineProfile>
#include <sys/stat.h>

namespace {
constexpr int kPollMs = 20;
// Ticks without any entry file going before the clear is asked for again (5 s).
constexpr int kStillTicksBeforeAskingAgain = 5000 / kPollMs;
}  // namespace

ProfileUrlCache::ProfileUrlCache(QWebEngineProfile& profile, QObject* parent) : UrlCache(parent), profile_(profile)
{
    poll_.setInterval(kPollMs);
    connect(&poll_, &QTimer::timeout, this, &ProfileUrlCache::Check);
}

void ProfileUrlCache::PurgeUrlCache(const QString&)
{
    if (Purging())
        return;
    folder_ = CacheFolder(profile_);
    before_ = ReadEntryFiles(folder_);
    stillTicks_ = 0;
    lastLeft_ = -1;
    profile_.clearHttpCache();
    poll_.start();
    Check();
}

void ProfileUrlCache::Check()
{
    const EntryFiles now = ReadEntryFiles(folder_);
    if (Emptied(before_, now)) {
        poll_.stop();
        Q_EMIT Purged();
        return;
    }
    const qsizetype left = now.size();
    stillTicks_ = left == lastLeft_ ? stillTicks_ + 1 : 0;
    lastLeft_ = left;
    if (stillTicks_ >= kStillTicksBeforeAskingAgain) {
        stillTicks_ = 0;
        profile_.clearHttpCache();
    }
}

ProfileUrlCache::EntryFiles ProfileUrlCache::ReadEntryFiles(const QString& cacheFolder)
{
    EntryFiles files;
    // Only the folder's own files: the index lives in a subfolder and beside them as "index".
    QDirIterator entries(cacheFolder, QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
    while (entries.hasNext()) {
        const QString path = entries.next();
        if (entries.fileName() == QLatin1String("index"))
            continue;
        struct stat info {};
        if (lstat(QFile::encodeName(path).constData(), &info) != 0)
            continue;  // gone while we looked
        files.insert(entries.fileName(),
                     {quint64(info.st_ino), qint64(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec});
    }
    return files;
}

bool ProfileUrlCache::Emptied(const EntryFiles& before, const EntryFiles& now)
{
    for (auto file = before.cbegin(); file != before.cend(); ++file)
        if (const auto still = now.constFind(file.key()); still != now.cend() && *still == file.value())
            return false;
    return true;
}

QString ProfileUrlCache::CacheFolder(const QWebEngineProfile& profile)
{
    return profile.cachePath() + QStringLiteral("/Cache/Cache_Data");
}
