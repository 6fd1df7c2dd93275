#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QtGlobal>

// Reads little-endian values from a byte block and never past its end: every read checks the
// remaining length first and raises "Stream read error" when the data is shorter.
class SkinByteCursor {
public:
    explicit SkinByteCursor(QByteArrayView data);

    qint32 ReadInt32();
    quint32 ReadUInt32();
    quint16 ReadUInt16();
    quint8 ReadByte();
    QByteArrayView ReadBytes(qint64 length);
    void Skip(qint64 length);

    qint64 Position() const { return position_; }
    qint64 Remaining() const { return data_.size() - position_; }
    QByteArrayView Rest() const { return data_.sliced(position_); }

private:
    QByteArrayView data_;
    qint64 position_ = 0;
};
