#include "skin/SkinPackageContent.h"

#include "binary/ByteCursor.h"
#include "skin/SkinBitmapCodec.h"
#include "skin/SkinTextCodec.h"

#include <QtEndian>

namespace {

QImage ReadPictureItem(ByteCursor& cursor)
{
    if (cursor.u8() != 0)
        return QImage();
    return SkinBitmapCodec::Read(cursor);
}

void AppendInt32(QByteArray& out, qint32 value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

void AppendPictureItem(QByteArray& out, const QImage& picture)
{
    if (picture.isNull()) {
        out.append(char(1));
        return;
    }
    out.append(char(0));
    out.append(SkinBitmapCodec::Write(picture));
}

} // namespace

SkinPackageContent SkinPackageContent::Read(QByteArrayView unpacked)
{
    return SkinBitmapCodec::Translating([&] { return ReadChecked(unpacked); });
}

SkinPackageContent SkinPackageContent::ReadChecked(QByteArrayView unpacked)
{
    SkinPackageContent content;
    ByteCursor cursor(unpacked);
    content.Version = cursor.i32();
    if (!content.Supported())
        return content;
    content.FramePicture = ReadPictureItem(cursor);
    content.InactiveFramePicture = ReadPictureItem(cursor);
    content.FrameMask = ReadPictureItem(cursor);
    if (content.Version == 2) {
        ReadPictureItem(cursor);
        ReadPictureItem(cursor);
    }
    const qint32 count = cursor.i32();
    for (qint32 i = 0; i < count; ++i)
        content.Pictures.append(SkinBitmapCodec::Read(cursor));
    content.DescriptionLines = SkinTextCodec::DecodeLines(cursor.rest());
    return content;
}

QByteArray SkinPackageContent::Write() const
{
    QByteArray out;
    AppendInt32(out, CurrentVersion);
    AppendPictureItem(out, FramePicture);
    AppendPictureItem(out, InactiveFramePicture);
    AppendPictureItem(out, FrameMask);
    AppendInt32(out, qint32(Pictures.size()));
    for (const QImage& picture : Pictures)
        out.append(SkinBitmapCodec::Write(picture));
    out.append(SkinTextCodec::EncodeLines(DescriptionLines));
    return out;
}
