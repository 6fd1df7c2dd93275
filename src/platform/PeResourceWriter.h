#pragma once

#include "platform/ResourceId.h"

#include <QByteArray>

#include <vector>

// Builds a resource-only PE32+ library (x86-64, no code, one ".rsrc" section) such as any
// Windows resource toolchain would produce: names upper-cased, directories sorted with named
// entries before numbered ones, as the platform's binary search expects.
class PeResourceWriter {
public:
    // Raises DataFormatError for a second resource of the same type, name and language, or
    // for data too large for the format.
    void add(const ResourceId& type, const ResourceId& name, quint16 language, const QByteArray& data);

    QByteArray build() const;

private:
    struct Resource {
        ResourceId type;
        ResourceId name;
        quint16 language = 0;
        QByteArray data;
    };
    struct Node;
    class SectionBuilder;

    Node tree() const;
    static QByteArray headers(quint32 sectionSize);

    std::vector<Resource> resources_;
    qint64 dataSize_ = 0;
};
