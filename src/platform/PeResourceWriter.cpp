#include "platform/PeResourceWriter.h"

#include "platform/DataFormatError.h"

#include <QtEndian>

#include <algorithm>
#include <tuple>

namespace {

constexpr quint32 SectionRva = 0x1000;
constexpr quint32 SectionAlignment = 0x1000;
constexpr quint32 FileAlignment = 0x200;
constexpr quint32 HighBit = 0x80000000u;
constexpr qint64 MaxDataSize = 0x40000000;  // far below the format's 32-bit sizes

quint32 alignUp(quint32 value, quint32 alignment)
{
    return (value + alignment - 1) / alignment * alignment;
}

void put16(QByteArray& bytes, qint64 offset, quint16 value)
{
    qToLittleEndian(value, bytes.data() + offset);
}

void put32(QByteArray& bytes, qint64 offset, quint32 value)
{
    qToLittleEndian(value, bytes.data() + offset);
}

ResourceId stored(const ResourceId& id)
{
    return id.isNumeric() ? id : ResourceId(id.name().toUpper());
}

bool sameKey(const ResourceId& a, const ResourceId& b)
{
    return !(a < b) && !(b < a);
}

} // namespace

// A directory (children set) or a leaf (resource set) of the resource tree.
struct PeResourceWriter::Node {
    ResourceId id;
    std::vector<Node> children;
    const Resource* resource = nullptr;
    quint32 offset = 0;        // of the directory, or of the leaf's data entry
    quint32 nameOffset = 0;    // of the name string, for a named id
    quint32 dataOffset = 0;    // of a leaf's bytes
};

// Lays the tree out in the section (directories, data entries, name strings, data) and then
// writes it; offsets are relative to the section start.
class PeResourceWriter::SectionBuilder {
public:
    QByteArray build(Node& root)
    {
        placeDirectories(root);
        placeLeaves(root);
        placeNames(root);
        size_ = alignUp(size_, 8);
        placeData(root);
        QByteArray section(qsizetype(size_), '\0');
        write(section, root);
        return section;
    }

private:
    void placeDirectories(Node& node)
    {
        node.offset = size_;
        size_ += 16 + 8 * quint32(node.children.size());
        for (Node& child : node.children) {
            if (!child.resource)
                placeDirectories(child);
        }
    }

    void placeLeaves(Node& node)
    {
        for (Node& child : node.children) {
            if (child.resource) {
                child.offset = size_;
                size_ += 16;
            } else {
                placeLeaves(child);
            }
        }
    }

    void placeNames(Node& node)
    {
        for (Node& child : node.children) {
            if (!child.id.isNumeric()) {
                child.nameOffset = size_;
                size_ += alignUp(2 + 2 * quint32(child.id.name().size()), 2);
            }
            placeNames(child);
        }
    }

    void placeData(Node& node)
    {
        for (Node& child : node.children) {
            if (child.resource) {
                child.dataOffset = size_;
                size_ = alignUp(size_ + quint32(child.resource->data.size()), 8);
            } else {
                placeData(child);
            }
        }
    }

    void write(QByteArray& section, const Node& node)
    {
        const auto named = std::count_if(node.children.begin(), node.children.end(),
                                         [](const Node& child) { return !child.id.isNumeric(); });
        put16(section, node.offset + 12, quint16(named));
        put16(section, node.offset + 14, quint16(node.children.size() - named));
        qint64 entry = node.offset + 16;
        for (const Node& child : node.children) {
            put32(section, entry, child.id.isNumeric() ? child.id.number() : (child.nameOffset | HighBit));
            put32(section, entry + 4, child.resource ? child.offset : (child.offset | HighBit));
            entry += 8;
            if (!child.id.isNumeric())
                writeName(section, child);
            if (child.resource)
                writeLeaf(section, child);
            else
                write(section, child);
        }
    }

    static void writeName(QByteArray& section, const Node& node)
    {
        const QString& name = node.id.name();
        put16(section, node.nameOffset, quint16(name.size()));
        for (qsizetype i = 0; i < name.size(); ++i)
            put16(section, node.nameOffset + 2 + 2 * i, name.at(i).unicode());
    }

    static void writeLeaf(QByteArray& section, const Node& node)
    {
        const QByteArray& data = node.resource->data;
        put32(section, node.offset, SectionRva + node.dataOffset);
        put32(section, node.offset + 4, quint32(data.size()));
        std::copy(data.begin(), data.end(), section.begin() + node.dataOffset);
    }

    quint32 size_ = 0;
};

void PeResourceWriter::add(const ResourceId& type, const ResourceId& name, quint16 language, const QByteArray& data)
{
    for (const ResourceId* id : {&type, &name}) {
        if (!id->isNumeric() && (id->name().isEmpty() || id->name().size() > 0xFFFF))
            throw DataFormatError(QStringLiteral("Resource name \"%1\" is empty or too long").arg(id->name()));
    }
    Resource resource{stored(type), stored(name), language, data};
    for (const Resource& other : resources_) {
        if (sameKey(other.type, resource.type) && sameKey(other.name, resource.name) && other.language == language)
            throw DataFormatError(QStringLiteral("Resource %1 of type %2 appears twice")
                                      .arg(name.toText(), type.toText()));
    }
    dataSize_ += data.size() + 64;
    if (dataSize_ > MaxDataSize)
        throw DataFormatError(QStringLiteral("The resources are too large for one pack"));
    resources_.push_back(resource);
}

PeResourceWriter::Node PeResourceWriter::tree() const
{
    std::vector<const Resource*> sorted;
    for (const Resource& resource : resources_)
        sorted.push_back(&resource);
    std::sort(sorted.begin(), sorted.end(), [](const Resource* a, const Resource* b) {
        return std::tie(a->type, a->name, a->language) < std::tie(b->type, b->name, b->language);
    });
    Node root;
    for (const Resource* resource : sorted) {
        if (root.children.empty() || !sameKey(root.children.back().id, resource->type))
            root.children.push_back(Node{resource->type, {}, nullptr});
        Node& type = root.children.back();
        if (type.children.empty() || !sameKey(type.children.back().id, resource->name))
            type.children.push_back(Node{resource->name, {}, nullptr});
        type.children.back().children.push_back(Node{ResourceId(resource->language), {}, resource});
    }
    return root;
}

QByteArray PeResourceWriter::build() const
{
    Node root = tree();
    const QByteArray section = SectionBuilder().build(root);
    const quint32 sectionSize = quint32(section.size());
    QByteArray file = headers(sectionSize);
    file += section;
    file.append(qsizetype(alignUp(sectionSize, FileAlignment) - sectionSize), '\0');
    return file;
}

QByteArray PeResourceWriter::headers(quint32 sectionSize)
{
    QByteArray bytes(FileAlignment, '\0');
    put16(bytes, 0, 0x5A4D);  // "MZ"
    put32(bytes, 0x3C, 0x40);
    put32(bytes, 0x40, 0x00004550);  // "PE\0\0"
    put16(bytes, 0x44, 0x8664);      // x86-64
    put16(bytes, 0x46, 1);           // one section
    put16(bytes, 0x54, 240);         // optional header size
    put16(bytes, 0x56, 0x2022);      // executable image, large-address aware, DLL
    const qint64 optional = 0x58;
    put16(bytes, optional, 0x20B);   // PE32+
    put32(bytes, optional + 8, alignUp(sectionSize, FileAlignment));
    qToLittleEndian<quint64>(0x180000000ull, bytes.data() + optional + 24);
    put32(bytes, optional + 32, SectionAlignment);
    put32(bytes, optional + 36, FileAlignment);
    put16(bytes, optional + 40, 6);  // operating system and subsystem version 6.0
    put16(bytes, optional + 48, 6);
    put32(bytes, optional + 56, SectionRva + alignUp(sectionSize, SectionAlignment));
    put32(bytes, optional + 60, FileAlignment);
    put16(bytes, optional + 68, 2);       // windowed subsystem
    put16(bytes, optional + 70, 0x0500);  // no SEH, NX compatible
    qToLittleEndian<quint64>(0x100000, bytes.data() + optional + 72);
    qToLittleEndian<quint64>(0x1000, bytes.data() + optional + 80);
    qToLittleEndian<quint64>(0x100000, bytes.data() + optional + 88);
    qToLittleEndian<quint64>(0x1000, bytes.data() + optional + 96);
    put32(bytes, optional + 108, 16);  // data directories
    put32(bytes, optional + 128, SectionRva);  // the resource directory
    put32(bytes, optional + 132, sectionSize);
    const qint64 section = optional + 240;
    bytes.replace(section, 5, ".rsrc");
    put32(bytes, section + 8, sectionSize);
    put32(bytes, section + 12, SectionRva);
    put32(bytes, section + 16, alignUp(sectionSize, FileAlignment));
    put32(bytes, section + 20, FileAlignment);
    put32(bytes, section + 36, 0x40000040);  // initialised, readable data
    return bytes;
}
