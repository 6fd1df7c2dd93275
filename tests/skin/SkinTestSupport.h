#pragma once

#include <QByteArray>
#include <QImage>
#include <QStringList>

class TbsSkinData;

// Builders for crafted skin streams and packages, byte by byte, so tests can vary one field.
namespace SkinTest {

QByteArray Int32(qint32 value);
QImage Solid(int width, int height, QRgb color);
// A picture item: flag 0 and the BMP, or the given non-zero flag alone.
QByteArray PictureItem(const QImage& picture);
QByteArray AbsentItem(quint8 flag = 1);
// The unpacked stream: content version, three frame items, count and pictures, description.
QByteArray Content(qint32 version, const QList<QByteArray>& frameItems, qint32 count,
                   const QList<QImage>& pictures, const QByteArray& description);
QByteArray AnsiLines(const QStringList& lines);
// The 8-byte header and the compressed block.
QByteArray Package(const QByteArray& unpacked, qint32 headerVersion = 3);
// Loads package bytes into the store through a stored skin.
void LoadPackage(TbsSkinData& store, const QByteArray& package);
QByteArray SmallPackage(const QStringList& description);

} // namespace SkinTest
