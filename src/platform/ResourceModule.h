#pragma once

#include "platform/PeResourceTable.h"

#include <QByteArrayView>
#include <QFile>

#include <memory>

// A resource-only library file, mapped read-only, with its resource directory read once when
// it is opened. The resources' bytes are views into the mapping.
class ResourceModule {
public:
    // Raises KestruneError when the file cannot be opened or mapped, DataFormatError when it
    // is not a well-formed PE file.
    static std::unique_ptr<ResourceModule> open(const QString& path);

    const PeResourceTable& table() const { return table_; }

    // The bytes of the first language of (type, name); raises ResourceNotFoundError.
    QByteArrayView resource(const ResourceId& type, const ResourceId& name) const;

    // The bytes of a listed entry; empty for an entry whose data lies outside the file.
    QByteArrayView bytesOf(const ResourceEntry& entry) const;

private:
    ResourceModule() = default;

    QFile file_;
    QByteArrayView mapping_;
    PeResourceTable table_;
};
