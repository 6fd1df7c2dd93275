#include "skin/SkinTestSupport.h"

#include "skin/SkinBitmapCodec.h"
#include "skin/SkinTextCodec.h"
#include "skin/TbsCompressedStoredSkin.h"
#include "skin/TbsSkinData.h"

#include <QBuffer>
#include <QtEndian>

namespace SkinTest {

QByteArray Int32(qint32 value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    return QByteArray(bytes, 4);
}

QImage Solid(int width, int height, QRgb color)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

QByteArray PictureItem(const QImage& picture)
{
    return QByteArray(1, '\0') + SkinBitmapCodec::Write(picture);
}

QByteArray AbsentItem(quint8 flag)
{
    return QByteArray(1, char(flag));
}

QByteArray Content(qint32 version, const QList<QByteArray>& frameItems, qint32 count,
                   const QList<QImage>& pictures, const QByteArray& description)
{
    QByteArray out = Int32(version);
    for (const QByteArray& item : frameItems)
        out += item;
    out += Int32(count);
    for (const QImage& picture : pictures)
        out += SkinBitmapCodec::Write(picture);
    return out + description;
}

QByteArray AnsiLines(const QStringList& lines)
{
    return SkinTextCodec::EncodeLines(lines);
}

QByteArray Package(const QByteArray& unpacked, qint32 headerVersion)
{
    const QByteArray block = TbsCompressedStoredSkin::Compress(unpacked);
    return Int32(headerVersion) + Int32(qint32(block.size())) + block;
}

void LoadPackage(TbsSkinData& store, const QByteArray& package)
{
    QByteArray bytes = package;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    TbsCompressedStoredSkin stored;
    stored.ReadPackageStream(buffer);
    store.LoadFromStoredSkin(&stored);
}

QByteArray SmallPackage(const QStringList& description)
{
    const QList<QByteArray> frames{PictureItem(Solid(4, 3, 0xFF102030)), AbsentItem(), AbsentItem()};
    return Package(Content(3, frames, 1, {Solid(2, 2, 0xFF405060)}, AnsiLines(description)));
}

} // namespace SkinTest
