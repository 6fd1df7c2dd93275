#include "HostileInputs.h"

#include "platform/PeResourceWriter.h"
#include "skin/SkinPackageContent.h"
#include "skin/TbsCompressedStoredSkin.h"

#include <QBuffer>
#include <QImage>
#include <QtEndian>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <jpeglib.h>
#include <vector>
#include <zlib.h>

namespace {

constexpr qint64 ResourceSection = 0x200;  // where the writer puts the resource directory
const ResourceId Jpeg(QStringLiteral("JPEG"));

quint32 Read32(const QByteArray& bytes, qint64 offset)
{
    return qFromLittleEndian<quint32>(bytes.constData() + offset);
}

QImage Gradient(int side)
{
    QImage image(side, side, QImage::Format_RGB888);
    for (int y = 0; y < side; ++y) {
        uchar* row = image.scanLine(y);
        for (int x = 0; x < side; ++x) {
            row[3 * x] = uchar(x * 7 + y);
            row[3 * x + 1] = uchar(y * 5);
            row[3 * x + 2] = uchar((x ^ y) * 3);
        }
    }
    return image;
}

// Each refinement bit of each band is one scan; DC for all components together, every AC
// coefficient of one component on its own, as the format requires.
std::vector<jpeg_scan_info> RefinementScript(int depth)
{
    std::vector<jpeg_scan_info> scans;
    scans.push_back({3, {0, 1, 2, 0}, 0, 0, 0, depth});
    for (int bit = depth; bit > 0; --bit)
        scans.push_back({3, {0, 1, 2, 0}, 0, 0, bit, bit - 1});
    for (int component = 0; component < 3; ++component) {
        for (int band = 1; band < 64; ++band) {
            scans.push_back({1, {component, 0, 0, 0}, band, band, 0, depth});
            for (int bit = depth; bit > 0; --bit)
                scans.push_back({1, {component, 0, 0, 0}, band, band, bit, bit - 1});
        }
    }
    return scans;
}

QByteArray EncodeJpeg(const QImage& image, const std::vector<jpeg_scan_info>* script)
{
    jpeg_compress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = JDIMENSION(image.width());
    info.image_height = JDIMENSION(image.height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 90, TRUE);
    if (script) {
        info.scan_info = script->data();
        info.num_scans = int(script->size());
    }
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<uchar*>(image.constScanLine(int(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    QByteArray bytes(reinterpret_cast<const char*>(buffer), qsizetype(size));
    std::free(buffer);
    return bytes;
}

} // namespace

QByteArray HostileInputs::PackWithSharedName(int entries, int nameLength)
{
    PeResourceWriter writer;
    writer.add(Jpeg, ResourceId(QString(nameLength, u'N')), 0, "x");
    for (int i = 1; i < entries; ++i)
        writer.add(Jpeg, ResourceId(QStringLiteral("R%1").arg(i)), 0, "x");
    QByteArray pack = writer.build();
    // The one type's name directory; its first entry names the long name, sorted first.
    const qint64 names = ResourceSection + (Read32(pack, ResourceSection + 20) & 0x7FFFFFFF);
    const quint32 longName = Read32(pack, names + 16);
    for (int i = 1; i < entries; ++i)
        qToLittleEndian<quint32>(longName, pack.data() + names + 16 + 8 * i);
    return pack;
}

QByteArray HostileInputs::PackWithDistinctNames(int entries)
{
    PeResourceWriter writer;
    for (int i = 0; i < entries; ++i)
        writer.add(Jpeg, ResourceId(QStringLiteral("R%1").arg(i)), 0, "x");
    return writer.build();
}

QByteArray HostileInputs::JpegWithManyScans(int side)
{
    const std::vector<jpeg_scan_info> script = RefinementScript(9);
    return EncodeJpeg(Gradient(side), &script);
}

QByteArray HostileInputs::JpegWithScans(int side, int scans)
{
    std::vector<jpeg_scan_info> script = RefinementScript(9);
    script.resize(std::min(script.size(), std::size_t(scans)));
    return EncodeJpeg(Gradient(side), &script);
}

QByteArray HostileInputs::PlainJpeg(int side)
{
    return EncodeJpeg(Gradient(side), nullptr);
}

QByteArray HostileInputs::PngChunk(const QByteArray& type, const QByteArray& data)
{
    QByteArray chunk(4, '\0');
    qToBigEndian<quint32>(quint32(data.size()), chunk.data());
    const QByteArray body = type + data;
    QByteArray crc(4, '\0');
    qToBigEndian<quint32>(quint32(crc32(0, reinterpret_cast<const Bytef*>(body.constData()), uInt(body.size()))), crc.data());
    return chunk + body + crc;
}

QByteArray HostileInputs::PngWithComments(const QByteArray& png, int chunks)
{
    const QByteArray comment = PngChunk("zTXt", QByteArray("Comment\0\0", 9) + qCompress(QByteArray(1 << 20, 'a')).mid(4));
    const qsizetype afterHeader = 8 + 25;
    return png.left(afterHeader) + comment.repeated(chunks) + png.mid(afterHeader);
}

QByteArray HostileInputs::SkinPackageWithControls(int controls)
{
    SkinPackageContent content;
    content.Pictures.append(QImage(4, 4, QImage::Format_RGB32));
    content.DescriptionLines = QStringList{"[VERSION]", "skinname=many", "[SKINOBJECTS]", "count=0", "[SKINCONTROLS]",
                                           QStringLiteral("count=%1").arg(controls)};
    for (int i = 0; i < controls; ++i)
        content.DescriptionLines.append(QStringLiteral("%1=control%1:button").arg(i));
    for (int i = 0; i < controls; ++i)
        content.DescriptionLines += QStringList{QStringLiteral("[control%1]").arg(i), "pictureindex=0",
                                                "skinrect=0,0,4,4", "fontheight=12", "fontname=Arial"};
    const QByteArray block = TbsCompressedStoredSkin::Compress(content.Write());
    TbsCompressedStoredSkin stored;
    stored.SetCompressedData(block);
    QByteArray package;
    QBuffer buffer(&package);
    buffer.open(QIODevice::WriteOnly);
    stored.WritePackageStream(buffer);
    return package;
}
