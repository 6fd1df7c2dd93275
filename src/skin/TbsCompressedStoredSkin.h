#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

class QIODevice;

// A skin package held in memory exactly as its compressed block (the part behind the 8-byte
// header: version, then length N). It is inflated only when a store reads it.
class TbsCompressedStoredSkin : public QObject {
    Q_OBJECT

public:
    static constexpr qint32 PackageVersion = 3;
    // Unpacked skins larger than this are refused as corrupt.
    static constexpr qint64 MaxUnpackedSize = qint64(256) * 1024 * 1024;

    explicit TbsCompressedStoredSkin(QObject* parent = nullptr);

    QString FileName() const { return fileName_; }
    void SetFileName(const QString& value) { fileName_ = value; }
    QString CompressedFileName() const { return compressedFileName_; }
    void SetCompressedFileName(const QString& value) { compressedFileName_ = value; }
    QString Description() const { return description_; }
    void SetDescription(const QString& value) { description_ = value; }

    // The stored "CompressedData" property: the block's bytes without header.
    QByteArray CompressedData() const { return block_; }
    void SetCompressedData(const QByteArray& block) { block_ = block; }

    bool HasNoData() const { return block_.isEmpty(); }

    void ReadPackageFile(const QString& path);
    // Reads a package from the start of the stream.
    void ReadPackageStream(QIODevice& stream);
    // Writes version 3, the block's length and the block at the stream's position.
    void WritePackageStream(QIODevice& stream) const;
    // Inflates the block, appending to target. A stream that ends early gives a shorter result.
    void Unpack(QByteArray& target) const;
    // Builds the block from an unpacked skin folder; path names its description file. A picture
    // "NAME.bmp" of the folder whose double "NAME@2x.bmp" lies beside it gets that as its
    // double-size picture, which must be exactly twice its size (SkinError otherwise).
    void BuildFromDescription(const QString& path);

    // Deflates a block at Level (zlib's 0, stored, to 9); the client writes level 9.
    static QByteArray Compress(const QByteArray& unpacked, int level = 9);

private:
    void ReadPackage(QIODevice& stream);

    QString fileName_;
    QString compressedFileName_;
    QString description_;
    QByteArray block_;
};
