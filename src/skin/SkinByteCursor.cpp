#include "skin/SkinByteCursor.h"

#include "skin/SkinError.h"

SkinByteCursor::SkinByteCursor(QByteArrayView data) : data_(data) {}

QByteArrayView SkinByteCursor::ReadBytes(qint64 length)
{
    if (length < 0 || length > Remaining())
        throw SkinError::StreamRead();
    const QByteArrayView bytes = data_.sliced(position_, length);
    position_ += length;
    return bytes;
}

void SkinByteCursor::Skip(qint64 length)
{
    ReadBytes(length);
}

quint8 SkinByteCursor::ReadByte()
{
    return static_cast<quint8>(ReadBytes(1)[0]);
}

quint16 SkinByteCursor::ReadUInt16()
{
    const QByteArrayView b = ReadBytes(2);
    return static_cast<quint16>(quint8(b[0]) | quint8(b[1]) << 8);
}

quint32 SkinByteCursor::ReadUInt32()
{
    const QByteArrayView b = ReadBytes(4);
    return quint32(quint8(b[0])) | quint32(quint8(b[1])) << 8 | quint32(quint8(b[2])) << 16
        | quint32(quint8(b[3])) << 24;
}

qint32 SkinByteCursor::ReadInt32()
{
    return static_cast<qint32>(ReadUInt32());
}
