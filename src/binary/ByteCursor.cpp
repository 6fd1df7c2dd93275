#include "binary/ByteCursor.h"

#include "binary/TruncatedDataError.h"

#include <QtEndian>

ByteCursor::ByteCursor(QByteArrayView data, qint64 position) : data_(data)
{
    seek(position);
}

bool ByteCursor::contains(qint64 size, qint64 offset, qint64 length)
{
    return offset >= 0 && length >= 0 && offset <= size && length <= size - offset;
}

void ByteCursor::seek(qint64 position)
{
    if (!contains(size(), position, 0))
        throw TruncatedDataError(QStringLiteral("Offset %1 lies outside the data (%2 bytes)")
                                     .arg(position)
                                     .arg(size()));
    position_ = position;
}

void ByteCursor::skip(qint64 length)
{
    take(length);
}

quint8 ByteCursor::u8()
{
    return *take(1);
}

quint16 ByteCursor::u16()
{
    return qFromLittleEndian<quint16>(take(2));
}

quint32 ByteCursor::u32()
{
    return qFromLittleEndian<quint32>(take(4));
}

quint64 ByteCursor::u64()
{
    return qFromLittleEndian<quint64>(take(8));
}

qint32 ByteCursor::i32()
{
    return qFromLittleEndian<qint32>(take(4));
}

QByteArrayView ByteCursor::bytes(qint64 length)
{
    const uchar* start = take(length);
    return QByteArrayView(start, length);
}

const uchar* ByteCursor::take(qint64 length)
{
    if (!contains(size(), position_, length))
        throw TruncatedDataError(QStringLiteral("Data ends before %1 bytes at offset %2 (%3 bytes)")
                                     .arg(length)
                                     .arg(position_)
                                     .arg(size()));
    const uchar* start = reinterpret_cast<const uchar*>(data_.data()) + position_;
    position_ += length;
    return start;
}
