#pragma once

#include <QByteArray>

// Generated files that cost a careless reader far more than their size: the inputs of the
// tests and benchmarks that hold each reader to work in proportion to what it reads.
class HostileInputs {
public:
    // A pack of `entries` JPEG resources whose name entries all point at one name of
    // `nameLength` characters.
    static QByteArray PackWithSharedName(int entries, int nameLength);
    // A pack of `entries` JPEG resources with distinct short names, for comparison.
    static QByteArray PackWithDistinctNames(int entries);

    // A side x side progressive JPEG of more than 1,800 valid one-bit refinement scans (every
    // coefficient of every component refined bit by bit), and the same picture encoded plainly.
    static QByteArray JpegWithManyScans(int side);
    static QByteArray PlainJpeg(int side);
    // The same picture in the first `scans` scans of that script (its DC scans first, then
    // refinements of one band of one component each).
    static QByteArray JpegWithScans(int side, int scans);

    // One PNG chunk: length, type, data and CRC; and a PNG carrying `chunks` compressed
    // comments of a megabyte each right behind its header.
    static QByteArray PngChunk(const QByteArray& type, const QByteArray& data);
    static QByteArray PngWithComments(const QByteArray& png, int chunks);

    // A skin package with `controls` button objects in [SKINCONTROLS], each with a section of
    // its own keys.
    static QByteArray SkinPackageWithControls(int controls);
};
