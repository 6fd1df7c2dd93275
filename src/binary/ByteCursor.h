#pragma once

#include <QByteArrayView>
#include <QtGlobal>

// Reads little-endian fields from a byte range. Every read is checked against the range and
// raises TruncatedDataError instead of reading past it, so parsers never index raw memory.
class ByteCursor {
public:
    explicit ByteCursor(QByteArrayView data, qint64 position = 0);

    // True when [offset, offset + length) lies inside a range of `size` bytes; written so
    // that no sum can overflow.
    static bool contains(qint64 size, qint64 offset, qint64 length);

    qint64 position() const { return position_; }
    qint64 size() const { return data_.size(); }
    qint64 remaining() const { return size() - position_; }
    QByteArrayView rest() const { return data_.sliced(position_); }
    void seek(qint64 position);
    void skip(qint64 length);

    quint8 u8();
    quint16 u16();
    quint32 u32();
    quint64 u64();
    qint32 i32();
    QByteArrayView bytes(qint64 length);

private:
    const uchar* take(qint64 length);

    QByteArrayView data_;
    qint64 position_ = 0;
};
