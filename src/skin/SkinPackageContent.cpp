#include "skin/SkinPackageContent.h"

#include "binary/ByteCursor.h"
#include "skin/SkinBitmapCodec.h"
#include "skin/SkinTextCodec.h"

#include <QtEndian>

namespace {

void AppendInt32(QByteArray& out, qint32 value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
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
    content.FramePicture = SkinBitmapCodec::ReadItem(cursor);
    content.InactiveFramePicture = SkinBitmapCodec::ReadItem(cursor);
    content.FrameMask = SkinBitmapCodec::ReadItem(cursor);
    if (content.Version == 2) {
        SkinBitmapCodec::ReadItem(cursor);
        SkinBitmapCodec::ReadItem(cursor);
    }
    const qint32 count = cursor.i32();
    for (qint32 i = 0; i < count; ++i)
        content.Pictures.append(SkinBitmapCodec::Read(cursor));
    const SkinDoubleSizePictures::Split split = SkinDoubleSizePictures::SplitFromText(cursor.rest());
    content.DescriptionLines = SkinTextCodec::DecodeLines(split.text);
    if (split.set) {
        content.DoubleSize = SkinDoubleSizePictures::Read(*split.set);
        content.CheckDoubleSize();
    }
    return content;
}

QByteArray SkinPackageContent::Write() const
{
    QByteArray out;
    AppendInt32(out, CurrentVersion);
    out.append(SkinBitmapCodec::WriteItem(FramePicture));
    out.append(SkinBitmapCodec::WriteItem(InactiveFramePicture));
    out.append(SkinBitmapCodec::WriteItem(FrameMask));
    AppendInt32(out, qint32(Pictures.size()));
    for (const QImage& picture : Pictures)
        out.append(SkinBitmapCodec::Write(picture));
    out.append(SkinTextCodec::EncodeLines(DescriptionLines));
    out.append(DoubleSize.Write());
    return out;
}

void SkinPackageContent::CheckDoubleSize() const
{
    DoubleSize.CheckDoubles(FramePicture, InactiveFramePicture, FrameMask, Pictures);
}
