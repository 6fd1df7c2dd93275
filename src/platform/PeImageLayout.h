#pragma once

#include <QByteArrayView>
#include <QtGlobal>

#include <vector>

// The parts of a PE32 / PE32+ file's headers that resource lookup needs: where the resource
// directory lies and how relative virtual addresses map onto file offsets. Reading raises
// DataFormatError for anything that is not a well-formed PE header.
class PeImageLayout {
public:
    static PeImageLayout read(QByteArrayView file);

    quint32 resourceRva() const { return resourceRva_; }

    // The file offset of [rva, rva + size), when that range lies inside one section's raw
    // data and inside the file; -1 otherwise.
    qint64 fileOffset(quint32 rva, quint32 size) const;

    // The file offset where the raw data of the section holding `rva` ends (clamped to the
    // file); -1 when no section holds it.
    qint64 sectionEnd(quint32 rva) const;

private:
    struct Section {
        quint32 virtualAddress = 0;
        quint32 rawSize = 0;
        quint32 rawOffset = 0;
    };

    static PeImageLayout readChecked(QByteArrayView file);
    void readOptionalHeader(QByteArrayView file, qint64 offset, quint16 size);
    void readSections(QByteArrayView file, qint64 offset, quint16 count);
    const Section* sectionOf(quint32 rva) const;

    std::vector<Section> sections_;
    qint64 fileSize_ = 0;
    quint32 resourceRva_ = 0;
};
