#include "skin/TbsCompressedStoredSkin.h"

#include "skin/SkinBitmapCodec.h"
#include "skin/SkinDescription.h"
#include "skin/SkinError.h"
#include "skin/SkinFileAccess.h"
#include "skin/SkinPackageContent.h"
#include "skin/SkinTextCodec.h"

#include <QFile>
#include <QFileInfo>
#include <QtEndian>
#include <limits>
#include <zlib.h>

namespace {

constexpr int kInflateOutputChunk = 4096;
constexpr int kInflateInputChunk = 8192;
constexpr qint64 kReadChunk = 1024 * 1024;

qint32 ReadInt32(QIODevice& stream)
{
    char bytes[4];
    if (stream.read(bytes, 4) != 4)
        throw SkinError::StreamRead();
    return qFromLittleEndian<qint32>(bytes);
}

// Reads exactly length bytes, in bounded chunks so that a false length allocates nothing.
QByteArray ReadExactly(QIODevice& stream, qint64 length)
{
    QByteArray data;
    while (data.size() < length) {
        const QByteArray chunk = stream.read(qMin(kReadChunk, length - data.size()));
        if (chunk.isEmpty())
            throw SkinError::StreamRead();
        data.append(chunk);
    }
    return data;
}

// Ends the inflater however Unpack leaves.
class InflateGuard {
public:
    explicit InflateGuard(z_stream& stream) : stream_(stream) {}
    ~InflateGuard() { inflateEnd(&stream_); }
    InflateGuard(const InflateGuard&) = delete;
    InflateGuard& operator=(const InflateGuard&) = delete;

private:
    z_stream& stream_;
};

QImage LoadNamedPicture(const QString& dir, const QString& name)
{
    return name.isEmpty() ? QImage() : SkinBitmapCodec::LoadFile(dir + name);
}

// The "@2x" file beside a named picture, when the folder has one.
QImage LoadDoubleSize(const QString& dir, const QString& name)
{
    if (name.isEmpty())
        return QImage();
    const QString path = dir + SkinDoubleSizePictures::FileName(name);
    return QFileInfo::exists(path) ? SkinBitmapCodec::LoadFile(path) : QImage();
}

void LoadPictures(SkinPackageContent& content, const SkinDescription& description, const QString& dir)
{
    const QString pictures = QStringLiteral("PICTURES");
    const QString frame = description.ReadString(pictures, QStringLiteral("picture"));
    const QString inactiveFrame = description.ReadString(pictures, QStringLiteral("inactivepicture"));
    const QString mask = description.ReadString(pictures, QStringLiteral("mask"));
    content.FramePicture = LoadNamedPicture(dir, frame);
    content.InactiveFramePicture = LoadNamedPicture(dir, inactiveFrame);
    content.FrameMask = LoadNamedPicture(dir, mask);
    content.DoubleSize.FramePicture = LoadDoubleSize(dir, frame);
    content.DoubleSize.InactiveFramePicture = LoadDoubleSize(dir, inactiveFrame);
    content.DoubleSize.FrameMask = LoadDoubleSize(dir, mask);
    for (const QString& name : description.ReadNameList(pictures, QStringLiteral("activepictures"))) {
        content.Pictures.append(SkinBitmapCodec::LoadFile(dir + name));
        content.DoubleSize.Pictures.append(LoadDoubleSize(dir, name));
    }
    content.CheckDoubleSize();
}

} // namespace

TbsCompressedStoredSkin::TbsCompressedStoredSkin(QObject* parent) : QObject(parent) {}

void TbsCompressedStoredSkin::ReadPackageFile(const QString& path)
{
    block_.clear();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw SkinError::CannotOpen(path, file.errorString());
    ReadPackage(file);
}

void TbsCompressedStoredSkin::ReadPackageStream(QIODevice& stream)
{
    block_.clear();
    stream.seek(0);
    ReadPackage(stream);
}

void TbsCompressedStoredSkin::ReadPackage(QIODevice& stream)
{
    if (ReadInt32(stream) > PackageVersion)
        return;
    const qint32 length = ReadInt32(stream);
    if (length < 0)
        throw SkinError::StreamRead();
    block_ = ReadExactly(stream, length);
}

void TbsCompressedStoredSkin::WritePackageStream(QIODevice& stream) const
{
    char header[8];
    qToLittleEndian<qint32>(PackageVersion, header);
    qToLittleEndian<qint32>(qint32(block_.size()), header + 4);
    if (stream.write(header, 8) != 8 || stream.write(block_) != block_.size())
        throw SkinError(QStringLiteral("Stream write error"));
}

void TbsCompressedStoredSkin::Unpack(QByteArray& target) const
{
    z_stream zs{};
    if (inflateInit(&zs) != Z_OK)
        throw SkinError::Compression();
    InflateGuard guard(zs);
    qint64 fed = 0;
    char output[kInflateOutputChunk];
    for (;;) {
        if (zs.avail_in == 0 && fed < block_.size()) {
            const qint64 chunk = qMin<qint64>(kInflateInputChunk, block_.size() - fed);
            zs.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(block_.constData() + fed));
            zs.avail_in = uInt(chunk);
            fed += chunk;
        }
        zs.next_out = reinterpret_cast<Bytef*>(output);
        zs.avail_out = kInflateOutputChunk;
        const int rc = inflate(&zs, Z_NO_FLUSH);
        const int produced = kInflateOutputChunk - int(zs.avail_out);
        if (rc != Z_OK && rc != Z_STREAM_END && rc != Z_BUF_ERROR)
            throw SkinError::Compression();
        if (target.size() + produced > MaxUnpackedSize)
            throw SkinError::Compression();
        target.append(output, produced);
        const bool inputDone = zs.avail_in == 0 && fed == block_.size();
        if (rc == Z_STREAM_END || (produced == 0 && inputDone) || rc == Z_BUF_ERROR)
            return;
    }
}

QByteArray TbsCompressedStoredSkin::Compress(const QByteArray& unpacked, int level)
{
    z_stream zs{};
    if (deflateInit2(&zs, level, Z_DEFLATED, 15, 8, Z_DEFAULT_STRATEGY) != Z_OK)
        throw SkinError::CompressionFailed();
    const uLong bound = deflateBound(&zs, uLong(unpacked.size()));
    if (bound > uLong(std::numeric_limits<int>::max())) {
        deflateEnd(&zs);
        throw SkinError::CompressionFailed();
    }
    QByteArray block(qsizetype(bound), '\0');
    zs.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(unpacked.constData()));
    zs.avail_in = uInt(unpacked.size());
    zs.next_out = reinterpret_cast<Bytef*>(block.data());
    zs.avail_out = uInt(block.size());
    const int rc = deflate(&zs, Z_FINISH);
    block.truncate(qsizetype(zs.total_out));
    deflateEnd(&zs);
    if (rc != Z_STREAM_END)
        throw SkinError::CompressionFailed();
    return block;
}

void TbsCompressedStoredSkin::BuildFromDescription(const QString& path)
{
    const QStringList lines = SkinTextCodec::DecodeLines(SkinFileAccess::ReadAll(path));
    const SkinDescription description(lines);
    for (const char* section : {"VERSION", "PICTURES", "FORMINFO", "SKINOBJECTS", "SKINCONTROLS"})
        if (description.KeyCount(QLatin1String(section)) == 0)
            return;
    const QString dir = QFileInfo(path).absolutePath() + QLatin1Char('/');
    block_.clear();
    SkinPackageContent content;
    LoadPictures(content, description, dir);
    content.DescriptionLines = lines;
    block_ = Compress(content.Write());
}
