#pragma once

#include "platform/ResourceEntry.h"

#include <QByteArrayView>
#include <QSet>

#include <vector>

class ByteCursor;
class PeImageLayout;

// The resource directory of a PE file, flattened into its leaves in directory order. The walk
// goes exactly three levels deep (type, name, language), visits no directory twice, checks
// every offset against the file and lets the listed names hold no more characters in total
// than the file has bytes, so reading and listing cost no more than the file's size allows; a
// directory that breaks these rules raises DataFormatError.
class PeResourceTable {
public:
    static PeResourceTable read(QByteArrayView file);

    const std::vector<ResourceEntry>& entries() const { return entries_; }

    // The first entry (so the first language) of the given type and name; nullptr if none.
    const ResourceEntry* find(const ResourceId& type, const ResourceId& name) const;

private:
    struct Walk;

    void readDirectory(Walk& walk, quint32 offset, int level, ResourceEntry path);
    ResourceId readId(Walk& walk, quint32 field) const;
    void readLeaf(Walk& walk, quint32 offset, ResourceEntry entry);

    std::vector<ResourceEntry> entries_;
};
