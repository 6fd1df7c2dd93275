#include "skin/SkinBitmapCodec.h"
#include "skin/SkinError.h"
#include "skin/SkinPackageContent.h"
#include "skin/SkinTestSupport.h"
#include "skin/TbsCompressedStoredSkin.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>
#include <zlib.h>

using namespace SkinTest;

namespace {

QString ReadError(const QByteArray& package)
{
    QByteArray bytes = package;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    TbsCompressedStoredSkin stored;
    try {
        stored.ReadPackageStream(buffer);
        QByteArray unpacked;
        stored.Unpack(unpacked);
    } catch (const SkinError& e) {
        return e.message();
    }
    return QStringLiteral("no error");
}

TbsCompressedStoredSkin* Read(const QByteArray& package, TbsCompressedStoredSkin& stored)
{
    QByteArray bytes = package;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    buffer.seek(5); // reading starts at the stream's beginning anyway
    stored.ReadPackageStream(buffer);
    return &stored;
}

// Deflates that many zero bytes without holding them: about 1000:1.
QByteArray ZerosBlock(qint64 count)
{
    z_stream zs{};
    deflateInit(&zs, 9);
    QByteArray zeros(1 << 20, '\0');
    QByteArray out;
    char buffer[1 << 16];
    for (qint64 left = count; left >= 0;) {
        const qint64 chunk = qMin<qint64>(left, zeros.size());
        left -= chunk;
        zs.next_in = reinterpret_cast<Bytef*>(zeros.data());
        zs.avail_in = uInt(chunk);
        const int flush = left == 0 ? Z_FINISH : Z_NO_FLUSH;
        do {
            zs.next_out = reinterpret_cast<Bytef*>(buffer);
            zs.avail_out = sizeof buffer;
            deflate(&zs, flush);
            out.append(buffer, int(sizeof buffer - zs.avail_out));
        } while (zs.avail_out == 0);
        if (flush == Z_FINISH)
            break;
    }
    deflateEnd(&zs);
    return out;
}

void WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

TEST(TbsCompressedStoredSkin, WrittenPackageReadsBackIdentically)
{
    TbsCompressedStoredSkin source;
    source.SetCompressedData(TbsCompressedStoredSkin::Compress(QByteArray(5000, 'k')));
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    out.write("pre");
    source.WritePackageStream(out);
    const QByteArray package = out.data().mid(3);
    EXPECT_EQ(package.left(4), QByteArray("\x03\x00\x00\x00", 4));
    EXPECT_EQ(package.mid(4, 4), Int32(qint32(source.CompressedData().size())));
    EXPECT_EQ(package.mid(8, 2), QByteArray("\x78\xDA"));

    TbsCompressedStoredSkin back;
    Read(package, back);
    EXPECT_EQ(back.CompressedData(), source.CompressedData());
    QByteArray unpacked("kept");
    back.Unpack(unpacked);
    EXPECT_EQ(unpacked, "kept" + QByteArray(5000, 'k'));
}

TEST(TbsCompressedStoredSkin, HeaderVersionsAndLengths)
{
    const QByteArray unpacked("skin bytes");
    for (qint32 version : {3, 1, 0, -1}) {
        TbsCompressedStoredSkin stored;
        EXPECT_FALSE(Read(Package(unpacked, version), stored)->HasNoData()) << version;
    }
    TbsCompressedStoredSkin newer;
    newer.SetCompressedData("old");
    EXPECT_TRUE(Read(Package(unpacked, 4), newer)->HasNoData());
    TbsCompressedStoredSkin empty;
    EXPECT_TRUE(Read(Int32(3) + Int32(0) + "trailing", empty)->HasNoData());

    const QByteArray block = TbsCompressedStoredSkin::Compress(unpacked);
    EXPECT_EQ(ReadError(Int32(3) + Int32(qint32(block.size() + 1)) + block), "Stream read error");
    EXPECT_EQ(ReadError(Int32(3) + Int32(0x7FFFFFFF) + block), "Stream read error");
    EXPECT_EQ(ReadError(Int32(3) + Int32(-1) + block), "Stream read error");
    EXPECT_EQ(ReadError(Int32(3) + QByteArray("\x01\x00", 2)), "Stream read error");
    EXPECT_EQ(ReadError(QByteArray("\x03", 1)), "Stream read error");
}

TEST(TbsCompressedStoredSkin, InflatingCorruptShortAndTrailingBlocks)
{
    QByteArray unpacked;
    for (int i = 0; i < 40000; ++i)
        unpacked += char(i * 7 % 251);
    const QByteArray block = TbsCompressedStoredSkin::Compress(unpacked);

    TbsCompressedStoredSkin stored;
    stored.SetCompressedData(block + "after the stream");
    QByteArray out;
    stored.Unpack(out);
    EXPECT_EQ(out, unpacked);

    stored.SetCompressedData(block.left(block.size() / 2));
    out.clear();
    stored.Unpack(out);
    EXPECT_GT(out.size(), 0);
    EXPECT_LT(out.size(), unpacked.size());
    EXPECT_TRUE(unpacked.startsWith(out));

    EXPECT_EQ(ReadError(Int32(3) + Int32(6) + "garbag"), "compression error");
    QByteArray flipped = block;
    flipped[0] = char(0x79);
    EXPECT_EQ(ReadError(Int32(3) + Int32(qint32(flipped.size())) + flipped), "compression error");
}

TEST(TbsCompressedStoredSkin, InflatingStopsAtTheSizeLimit)
{
    const QByteArray bomb = ZerosBlock(TbsCompressedStoredSkin::MaxUnpackedSize + 1);
    EXPECT_LT(bomb.size(), 1024 * 1024);
    EXPECT_EQ(ReadError(Int32(3) + Int32(qint32(bomb.size())) + bomb), "compression error");
}

TEST(TbsCompressedStoredSkin, MissingFileRaisesTheOpenError)
{
    TbsCompressedStoredSkin stored;
    stored.SetCompressedData("old");
    try {
        stored.ReadPackageFile("/nonexistent/Skin.skn");
        FAIL() << "no error";
    } catch (const SkinError& e) {
        EXPECT_EQ(e.message(), "Cannot open file \"/nonexistent/Skin.skn\". No such file or directory");
    }
    EXPECT_TRUE(stored.HasNoData());
}

TEST(TbsCompressedStoredSkin, BuildFromDescription)
{
    QTemporaryDir dir;
    const QDir d(dir.path());
    const QStringList description{"[VERSION]", "skinname=测试皮肤", "[PICTURES]", "picture=frame.bmp",
                                  "inactivepicture=", "mask=", "activepicturescount=2", "0=a.bmp",
                                  "1=a.bmp", "[FORMINFO]", "clientrect=1,2,3,4", "[SKINOBJECTS]",
                                  "count=0", "[SKINCONTROLS]", "count=0"};
    WriteFile(d.filePath("frame.bmp"), SkinBitmapCodec::Write(Solid(5, 4, 0xFF336699)));
    WriteFile(d.filePath("a.bmp"), SkinBitmapCodec::Write(Solid(2, 2, 0xFF010203)));
    WriteFile(d.filePath("skin.ini"), QByteArray("\xEF\xBB\xBF") + description.join("\n").toUtf8());

    TbsCompressedStoredSkin stored;
    stored.BuildFromDescription(d.filePath("skin.ini"));
    ASSERT_FALSE(stored.HasNoData());
    QByteArray unpacked;
    stored.Unpack(unpacked);
    const SkinPackageContent content = SkinPackageContent::Read(unpacked);
    EXPECT_EQ(content.Version, 3);
    EXPECT_EQ(content.FramePicture.pixel(4, 3), 0xFF336699);
    EXPECT_TRUE(content.InactiveFramePicture.isNull());
    EXPECT_TRUE(content.FrameMask.isNull());
    EXPECT_EQ(content.Pictures.size(), 2);
    EXPECT_EQ(content.DescriptionLines, description);
    EXPECT_TRUE(unpacked.endsWith("count=0\r\n"));

    // A section without keys leaves the block as it was.
    const QByteArray built = stored.CompressedData();
    QStringList noControls = description;
    noControls.removeLast();
    WriteFile(d.filePath("partial.ini"), noControls.join("\n").toUtf8());
    stored.BuildFromDescription(d.filePath("partial.ini"));
    EXPECT_EQ(stored.CompressedData(), built);

    // A missing picture stops the build with the block emptied.
    QStringList missing = description;
    missing[7] = "0=absent.bmp";
    WriteFile(d.filePath("missing.ini"), missing.join("\n").toUtf8());
    EXPECT_THROW(stored.BuildFromDescription(d.filePath("missing.ini")), SkinError);
    EXPECT_TRUE(stored.HasNoData());
}

// Picture files of a skin folder keep their pixels where the file header says, also behind a
// gap; a 0 x 0 file is an absent picture whose name still counts.
TEST(TbsCompressedStoredSkin, BuildReadsFolderPicturesAtTheirPixelOffset)
{
    QTemporaryDir dir;
    const QDir d(dir.path());
    QImage picture(7, 3, QImage::Format_RGB32);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 7; ++x)
            picture.setPixel(x, y, qRgb(x * 30, y * 80, 99));
    QByteArray gapped = SkinBitmapCodec::Write(picture);
    const quint32 pixelOffset = qFromLittleEndian<quint32>(gapped.constData() + 10);
    gapped.insert(pixelOffset, QByteArray(37, '\x5A'));
    qToLittleEndian<quint32>(pixelOffset + 37, gapped.data() + 10);
    qToLittleEndian<quint32>(quint32(gapped.size()), gapped.data() + 2);
    WriteFile(d.filePath("gapped.bmp"), gapped);
    WriteFile(d.filePath("empty.bmp"), SkinBitmapCodec::Write(QImage()));
    const QStringList description{"[VERSION]", "skinname=gap", "[PICTURES]", "picture=gapped.bmp", "mask=empty.bmp",
                                  "activepicturescount=1", "0=gapped.bmp", "[FORMINFO]", "clientrect=1,2,3,4",
                                  "[SKINOBJECTS]", "count=0", "[SKINCONTROLS]", "count=0"};
    WriteFile(d.filePath("skin.ini"), description.join("\n").toUtf8());

    TbsCompressedStoredSkin stored;
    stored.BuildFromDescription(d.filePath("skin.ini"));
    QByteArray unpacked;
    stored.Unpack(unpacked);
    const SkinPackageContent content = SkinPackageContent::Read(unpacked);
    EXPECT_EQ(content.FramePicture, picture);
    ASSERT_EQ(content.Pictures.size(), 1);
    EXPECT_EQ(content.Pictures[0], picture);
    EXPECT_TRUE(content.FrameMask.isNull());
    EXPECT_TRUE(content.DescriptionLines.contains("mask=empty.bmp"));
}
