#pragma once

#include <QObject>
#include <QString>

// The cache of web content that the client's pages share. Emptying it takes a while and
// goes on in the background; PurgeProgress tells how far it got, and Purged follows when the
// cache really is empty.
class UrlCache : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // Removes the entries whose address contains Filter, all of them when it is empty. A
    // call while a purge runs joins it. Purged comes later, never within this call.
    virtual void PurgeUrlCache(const QString& Filter) = 0;
    virtual bool Purging() const = 0;

Q_SIGNALS:
    // Of the Total entries there were when the purge began, Left are still there: once as the
    // purge begins, then whenever entries have gone.
    void PurgeProgress(int Left, int Total);
    void Purged();
};
