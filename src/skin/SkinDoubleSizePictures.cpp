#include "skin/SkinDoubleSizePictures.h"

#include "binary/ByteCursor.h"
#include "skin/SkinBitmapCodec.h"
#include "skin/SkinError.h"

#include <QtEndian>

#include <algorithm>

namespace {

constexpr char kTag[] = "SKIN@2X";  // with its NUL: 8 bytes
constexpr qsizetype kTagSize = sizeof(kTag);
constexpr qsizetype kFooterSize = 4 + kTagSize;

const QImage& NullPicture()
{
    static const QImage none;
    return none;
}

void CheckDouble(const QImage& twice, const QImage& base, const QString& what)
{
    if (twice.isNull())
        return;
    if (base.isNull())
        throw SkinError(QStringLiteral("The double-size %1 has no picture to double").arg(what));
    if (twice.size() != base.size() * 2)
        throw SkinError(QStringLiteral("The double-size %1 is %2 x %3, not twice %4 x %5")
                            .arg(what)
                            .arg(twice.width())
                            .arg(twice.height())
                            .arg(base.width())
                            .arg(base.height()));
}

SkinDoubleSizePictures ReadSet(QByteArrayView set)
{
    SkinDoubleSizePictures pictures;
    ByteCursor cursor(set);
    pictures.FramePicture = SkinBitmapCodec::ReadItem(cursor);
    pictures.InactiveFramePicture = SkinBitmapCodec::ReadItem(cursor);
    pictures.FrameMask = SkinBitmapCodec::ReadItem(cursor);
    const qint32 count = cursor.i32();
    if (count < 0)
        throw SkinError(QStringLiteral("The double-size pictures have a count of %1").arg(count));
    // Every item takes at least its flag byte, so a false count ends at the set's end.
    for (qint32 i = 0; i < count; ++i)
        pictures.Pictures.append(SkinBitmapCodec::ReadItem(cursor));
    if (cursor.remaining() != 0)
        throw SkinError(QStringLiteral("The double-size pictures end %1 bytes before their length").arg(cursor.remaining()));
    return pictures;
}

} // namespace

bool SkinDoubleSizePictures::IsEmpty() const
{
    return FramePicture.isNull() && InactiveFramePicture.isNull() && FrameMask.isNull()
        && std::all_of(Pictures.begin(), Pictures.end(), [](const QImage& picture) { return picture.isNull(); });
}

const QImage& SkinDoubleSizePictures::Picture(int index) const
{
    return index >= 0 && index < Pictures.size() ? Pictures[index] : NullPicture();
}

SkinDoubleSizePictures::Split SkinDoubleSizePictures::SplitFromText(QByteArrayView rest)
{
    if (rest.size() < kFooterSize || rest.last(kTagSize) != QByteArrayView(kTag, kTagSize))
        return {rest, std::nullopt};
    const qint64 length = qFromLittleEndian<quint32>(rest.data() + rest.size() - kFooterSize);
    const qint64 start = rest.size() - kFooterSize - length;
    if (start < 1 || rest[start - 1] != '\0')
        throw SkinError(QStringLiteral("The double-size pictures' length of %1 bytes does not fit the skin").arg(length));
    return {rest.first(start - 1), rest.sliced(start, length)};
}

SkinDoubleSizePictures SkinDoubleSizePictures::Read(QByteArrayView set)
{
    return SkinBitmapCodec::Translating([&] { return ReadSet(set); });
}

QByteArray SkinDoubleSizePictures::Write() const
{
    if (IsEmpty())
        return {};
    QByteArray set;
    set += SkinBitmapCodec::WriteItem(FramePicture);
    set += SkinBitmapCodec::WriteItem(InactiveFramePicture);
    set += SkinBitmapCodec::WriteItem(FrameMask);
    char field[4];
    qToLittleEndian<qint32>(qint32(Pictures.size()), field);
    set.append(field, 4);
    for (const QImage& picture : Pictures)
        set += SkinBitmapCodec::WriteItem(picture);
    qToLittleEndian<quint32>(quint32(set.size()), field);
    return char(0) + set + QByteArray(field, 4) + QByteArray(kTag, kTagSize);
}

void SkinDoubleSizePictures::CheckDoubles(const QImage& frame, const QImage& inactiveFrame, const QImage& mask,
                                          const QList<QImage>& pictures) const
{
    CheckDouble(FramePicture, frame, QStringLiteral("frame picture"));
    CheckDouble(InactiveFramePicture, inactiveFrame, QStringLiteral("inactive frame picture"));
    CheckDouble(FrameMask, mask, QStringLiteral("frame mask"));
    for (qsizetype i = 0; i < Pictures.size(); ++i)
        CheckDouble(Pictures[i], i < pictures.size() ? pictures[i] : NullPicture(), QStringLiteral("picture %1").arg(i));
}

QString SkinDoubleSizePictures::FileName(const QString& name)
{
    const qsizetype folder = std::max(name.lastIndexOf(u'/'), name.lastIndexOf(u'\\'));
    const qsizetype dot = name.lastIndexOf(u'.');
    const qsizetype at = dot > folder + 1 ? dot : name.size();
    return name.left(at) + QStringLiteral("@2x") + name.mid(at);
}
