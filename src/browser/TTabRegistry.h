#pragma once

#include "browser/TTabRecord.h"

#include <QHash>
#include <QString>
#include <memory>
#include <vector>

// The tab registry: tab records filed under the tab tag written as decimal text. Entries
// are only appended; a closed tab's record stays until the registry goes with the window.
class TTabRegistry {
public:
    static QString KeyOf(int tag) { return QString::number(tag); }

    void Add(const QString& key, std::unique_ptr<TTabRecord> record);
    // The entry's index, or -1.
    int IndexOf(const QString& key) const;
    TTabRecord& Record(int index) const { return *records_.at(size_t(index)); }
    int Count() const { return int(records_.size()); }
    // The record filed under Tag, or null.
    TTabRecord* Find(int tag) const;

private:
    QHash<QString, int> index_;
    std::vector<std::unique_ptr<TTabRecord>> records_;
};
