#pragma once

#include "platform/ResourceId.h"

// One leaf of a module's resource directory. `offset` is the data's position in the file, or
// -1 when the entry points outside the file: such an entry is listed but never read.
struct ResourceEntry {
    ResourceId type;
    ResourceId name;
    quint16 language = 0;
    qint64 offset = -1;
    quint32 size = 0;

    bool readable() const { return offset >= 0; }
};
