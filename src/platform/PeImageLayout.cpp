#include "platform/PeImageLayout.h"

#include "binary/ByteCursor.h"
#include "platform/DataFormatError.h"

#include <algorithm>

namespace {

constexpr quint16 Pe32Magic = 0x10B;
constexpr quint16 Pe32PlusMagic = 0x20B;
constexpr quint32 ResourceDirectoryIndex = 2;
constexpr quint16 MaxSections = 96;  // the format's own limit

} // namespace

PeImageLayout PeImageLayout::read(QByteArrayView file)
{
    return DataFormatError::translating([&] { return readChecked(file); });
}

PeImageLayout PeImageLayout::readChecked(QByteArrayView file)
{
    PeImageLayout layout;
    layout.fileSize_ = file.size();
    ByteCursor cursor(file);
    if (cursor.u16() != 0x5A4D)
        throw DataFormatError(QStringLiteral("Not a PE file: no MZ signature"));
    cursor.seek(0x3C);
    cursor.seek(cursor.u32());
    if (cursor.u32() != 0x00004550)
        throw DataFormatError(QStringLiteral("Not a PE file: no PE signature"));
    cursor.skip(2);  // machine: resources read the same on every architecture
    const quint16 sectionCount = cursor.u16();
    cursor.skip(12);
    const quint16 optionalSize = cursor.u16();
    cursor.skip(2);
    const qint64 optionalOffset = cursor.position();
    layout.readOptionalHeader(file, optionalOffset, optionalSize);
    layout.readSections(file, optionalOffset + optionalSize, sectionCount);
    return layout;
}

void PeImageLayout::readOptionalHeader(QByteArrayView file, qint64 offset, quint16 size)
{
    // Only the optional header's own bytes may be read for it, however long the file is.
    if (!ByteCursor::contains(file.size(), offset, size))
        throw DataFormatError(QStringLiteral("PE optional header runs past the end of the file"));
    ByteCursor cursor(file.sliced(offset, size));
    const quint16 magic = cursor.u16();
    if (magic != Pe32Magic && magic != Pe32PlusMagic)
        throw DataFormatError(QStringLiteral("Unknown PE optional header magic 0x%1").arg(magic, 0, 16));
    const qint64 countOffset = magic == Pe32Magic ? 92 : 108;
    cursor.seek(countOffset);
    const quint32 directoryCount = cursor.u32();
    if (directoryCount <= ResourceDirectoryIndex)
        return;  // no resource directory: a module without resources
    cursor.skip(8 * ResourceDirectoryIndex);
    resourceRva_ = cursor.u32();
}

void PeImageLayout::readSections(QByteArrayView file, qint64 offset, quint16 count)
{
    if (count > MaxSections)
        throw DataFormatError(QStringLiteral("PE file claims %1 sections").arg(count));
    ByteCursor cursor(file, offset);
    for (quint16 i = 0; i < count; ++i) {
        cursor.skip(12);  // name and virtual size
        Section section;
        section.virtualAddress = cursor.u32();
        section.rawSize = cursor.u32();
        section.rawOffset = cursor.u32();
        cursor.skip(16);
        sections_.push_back(section);
    }
}

const PeImageLayout::Section* PeImageLayout::sectionOf(quint32 rva) const
{
    for (const Section& section : sections_) {
        if (rva >= section.virtualAddress && rva - section.virtualAddress < section.rawSize)
            return &section;
    }
    return nullptr;
}

qint64 PeImageLayout::fileOffset(quint32 rva, quint32 size) const
{
    const Section* section = sectionOf(rva);
    if (!section)
        return -1;
    const qint64 delta = rva - section->virtualAddress;
    if (!ByteCursor::contains(section->rawSize, delta, size))
        return -1;
    const qint64 offset = qint64(section->rawOffset) + delta;
    return ByteCursor::contains(fileSize_, offset, size) ? offset : -1;
}

qint64 PeImageLayout::sectionEnd(quint32 rva) const
{
    const Section* section = sectionOf(rva);
    if (!section)
        return -1;
    return std::min(fileSize_, qint64(section->rawOffset) + section->rawSize);
}
