#pragma once

#include "platform/UrlCache.h"

#include <QHash>
#include <QTimer>

class QWebEngineProfile;

// The web profile's HTTP cache. Emptying it leaves cookies and local storage alone and does not
// block the user-interface thread.
//
// The engine clears its cache in the background and, in the toolkit version we build on, does
// not say when it is done. What it does leave behind is visible: a disk cache keeps each entry
// in files of its own in the cache folder, beside an index, and clearing drops the entries and
// deletes their files (a file it drops may first be renamed "todelete_...", which counts as
// gone). So the purge notes the entry files (by identity: inode and modification time) before
// it asks for the clear, and is finished when none of them is left. A file that
// appears meanwhile holds a fresh entry of a page still loading and does not hold the purge
// up. Should the engine still be busy with an earlier clear and drop the request, the request
// is repeated when nothing has changed for a while; files that even the repeated request
// leaves as they were are not the engine's entries. Finishing never rests on a time-out alone,
// and never comes within the call that asked for the purge.
class ProfileUrlCache : public UrlCache {
    Q_OBJECT
public:
    // An entry file's identity: the same name can come back holding a new entry.
    struct FileIdentity {
        quint64 inode = 0;
        qint64 modifiedNs = 0;
        bool operator==(const FileIdentity&) const = default;
    };
    using EntryFiles = QHash<QString, FileIdentity>;

    explicit ProfileUrlCache(QWebEngineProfile& profile, QObject* parent = nullptr);

    // The engine drops entries only all at once, so a filter clears everything as well: the
    // entries asked for are gone either way.
    void PurgeUrlCache(const QString& Filter) override;
    bool Purging() const override { return poll_.isActive(); }

    // The cache folder's entry files and their identities.
    static EntryFiles ReadEntryFiles(const QString& cacheFolder);
    // The files of Before that still hold the entry they held then, sorted by name.
    static QStringList Remaining(const EntryFiles& before, const EntryFiles& now);
    // Where the profile keeps its HTTP cache entries.
    static QString CacheFolder(const QWebEngineProfile& profile);

private:
    void Check();
    void Progress(int left);
    void Finish();

    QWebEngineProfile& profile_;
    QString folder_;
    EntryFiles before_;
    QTimer poll_;
    int stillTicks_ = 0;
    QStringList lastLeft_;
    QStringList askedAgainFor_;
};
