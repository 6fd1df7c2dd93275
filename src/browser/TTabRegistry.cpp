#include "browser/TTabRegistry.h"

void TTabRegistry::Add(const QString& key, std::unique_ptr<TTabRecord> record)
{
    records_.push_back(std::move(record));
    // A hashed list finds the first entry of a key; tags are never reused, so keys stay unique.
    index_.insert(key, int(records_.size()) - 1);
}

int TTabRegistry::IndexOf(const QString& key) const
{
    return index_.value(key, -1);
}

TTabRecord* TTabRegistry::Find(int tag) const
{
    const int index = IndexOf(KeyOf(tag));
    return index < 0 ? nullptr : &Record(index);
}
