#include "skin/SkinBitmapCodec.h"

#include "binary/BmpCodec.h"
#include "binary/ByteCursor.h"
#include "skin/SkinFileAccess.h"

QImage SkinBitmapCodec::Read(ByteCursor& cursor)
{
    return Translating([&] { return BmpCodec::readItem(cursor); });
}

QByteArray SkinBitmapCodec::Write(const QImage& image)
{
    return BmpCodec::write(image);
}

QImage SkinBitmapCodec::ReadItem(ByteCursor& cursor)
{
    if (Translating([&] { return cursor.u8(); }) != 0)
        return QImage();
    return Read(cursor);
}

QByteArray SkinBitmapCodec::WriteItem(const QImage& picture)
{
    if (picture.isNull())
        return QByteArray(1, char(1));
    return char(0) + Write(picture);
}

QImage SkinBitmapCodec::LoadFile(const QString& path)
{
    const QByteArray data = SkinFileAccess::ReadAll(path);
    return Translating([&] { return BmpCodec::readFile(data, BmpCodec::EmptyPicture::Allowed); });
}

void SkinBitmapCodec::SaveFile(const QImage& image, const QString& path)
{
    SkinFileAccess::WriteAll(path, Write(image));
}
