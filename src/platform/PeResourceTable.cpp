#include "platform/PeResourceTable.h"

#include "binary/ByteCursor.h"
#include "platform/DataFormatError.h"
#include "platform/PeImageLayout.h"

namespace {

constexpr quint32 HighBit = 0x80000000u;
constexpr int LanguageLevel = 2;
// A real pack holds a few dozen resources; this only stops crafted files whose directories
// share entry arrays from making the walk quadratic.
constexpr qsizetype MaxEntries = 65536;

} // namespace

struct PeResourceTable::Walk {
    const PeImageLayout& layout;
    QByteArrayView section;  // from the resource root to the end of its section
    qint64 nameBudget;       // characters the entries' names may still hold between them
    QSet<quint32> visited;
    qsizetype entryCount = 0;
};

PeResourceTable PeResourceTable::read(QByteArrayView file)
{
    const PeImageLayout layout = PeImageLayout::read(file);
    PeResourceTable table;
    if (layout.resourceRva() == 0)
        return table;
    const qint64 root = layout.fileOffset(layout.resourceRva(), 16);
    if (root < 0)
        throw DataFormatError(QStringLiteral("Resource directory at RVA 0x%1 does not lie inside a section of the file")
                                  .arg(layout.resourceRva(), 0, 16));
    // Entries may share one name string. An honest file stores each name once or a few times,
    // so the names it lists hold fewer characters than the file has bytes; a file whose many
    // entries repeat one long name would make every reader of the list pay for each repeat.
    Walk walk{layout, file.sliced(root, layout.sectionEnd(layout.resourceRva()) - root), file.size(), {}, 0};
    DataFormatError::translating([&] { table.readDirectory(walk, 0, 0, ResourceEntry()); });
    return table;
}

const ResourceEntry* PeResourceTable::find(const ResourceId& type, const ResourceId& name) const
{
    for (const ResourceEntry& entry : entries_) {
        if (entry.type.matches(type) && entry.name.matches(name))
            return &entry;
    }
    return nullptr;
}

void PeResourceTable::readDirectory(Walk& walk, quint32 offset, int level, ResourceEntry path)
{
    if (walk.visited.contains(offset))
        throw DataFormatError(QStringLiteral("Resource directory at %1 is visited twice").arg(offset));
    walk.visited.insert(offset);
    ByteCursor cursor(walk.section, offset);
    cursor.skip(12);
    const qsizetype count = qsizetype(cursor.u16()) + cursor.u16();
    if (!ByteCursor::contains(cursor.remaining(), 0, qint64(count) * 8))
        throw DataFormatError(QStringLiteral("Resource directory at %1 has %2 entries, more than its section holds")
                                  .arg(offset)
                                  .arg(count));
    walk.entryCount += count;
    if (walk.entryCount > MaxEntries)
        throw DataFormatError(QStringLiteral("Resource directory has too many entries"));
    for (qsizetype i = 0; i < count; ++i) {
        const quint32 idField = cursor.u32();
        const quint32 target = cursor.u32();
        const bool isDirectory = (target & HighBit) != 0;
        if (isDirectory == (level == LanguageLevel))
            throw DataFormatError(QStringLiteral("Resource directory is not three levels deep"));
        ResourceEntry entry = path;
        if (level == 0)
            entry.type = readId(walk, idField);
        else if (level == 1)
            entry.name = readId(walk, idField);
        else
            entry.language = quint16(idField);
        if (isDirectory)
            readDirectory(walk, target & ~HighBit, level + 1, entry);
        else
            readLeaf(walk, target, entry);
    }
}

ResourceId PeResourceTable::readId(Walk& walk, quint32 field) const
{
    if ((field & HighBit) == 0) {
        if (field > 0xFFFF)
            throw DataFormatError(QStringLiteral("Resource id %1 is out of range").arg(field));
        return ResourceId(quint16(field));
    }
    ByteCursor cursor(walk.section, field & ~HighBit);
    const quint16 length = cursor.u16();
    walk.nameBudget -= length;
    if (walk.nameBudget < 0)
        throw DataFormatError(QStringLiteral("Resource names hold more characters than the file has bytes"));
    const QByteArrayView units = cursor.bytes(qint64(length) * 2);
    QString name(length, Qt::Uninitialized);
    for (quint16 i = 0; i < length; ++i) {
        const auto* unit = reinterpret_cast<const uchar*>(units.data()) + 2 * i;
        name[i] = QChar(quint16(unit[0] | (unit[1] << 8)));
    }
    return ResourceId(name);
}

void PeResourceTable::readLeaf(Walk& walk, quint32 offset, ResourceEntry entry)
{
    ByteCursor cursor(walk.section, offset);
    const quint32 rva = cursor.u32();
    entry.size = cursor.u32();
    entry.offset = walk.layout.fileOffset(rva, entry.size);
    entries_.push_back(entry);
}
