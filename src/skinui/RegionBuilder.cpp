#include "skinui/RegionBuilder.h"

#include "skinui/FrameStrips.h"
#include "skinui/SkinRect.h"
#include "skinui/SkinUiError.h"
#include "skinui/TbsFBitmap.h"

#include <QtEndian>

#include <limits>
#include <vector>

namespace {

constexpr qsizetype kHeaderSize = 32;
constexpr qsizetype kRectSize = 16;
constexpr qint32 kTypeRectangles = 1;

void Put32(QByteArray& block, qsizetype at, qint64 value)
{
    qToLittleEndian<qint32>(qint32(value), block.data() + at);
}

qint32 Get32(const QByteArray& block, qsizetype at)
{
    return qFromLittleEndian<qint32>(block.constData() + at);
}

void PutRect(QByteArray& block, qsizetype at, qint64 left, qint64 top, qint64 right, qint64 bottom)
{
    Put32(block, at, left);
    Put32(block, at + 4, top);
    Put32(block, at + 8, right);
    Put32(block, at + 12, bottom);
}

bool IsBlack(const uchar* pixel)
{
    return pixel[0] == 0 && pixel[1] == 0 && pixel[2] == 0;
}

// Every maximal horizontal run of black pixels, row by row, left to right. The list grows as
// needed: a mask with many small holes yields far more runs than rows.
std::vector<QRect> BlackRuns(const TbsFBitmap& bitmap)
{
    std::vector<QRect> runs;
    const int width = bitmap.Width();
    for (int y = 0; y < bitmap.Height(); ++y) {
        const uchar* row = bitmap.Row(y);
        int x = 0;
        while (x < width) {
            if (!IsBlack(row + 3 * x)) {
                ++x;
                continue;
            }
            const int start = x;
            while (x < width && IsBlack(row + 3 * x))
                ++x;
            runs.emplace_back(start, y, x - start, 1);
        }
    }
    return runs;
}

QRect CheckedRect(qint64 left, qint64 top, qint64 right, qint64 bottom)
{
    constexpr qint64 kMax = std::numeric_limits<int>::max();
    if (right - left > kMax || bottom - top > kMax)
        throw SkinUiError(QStringLiteral("Region data holds a rectangle too large to use"));
    return SkinRect(int(left), int(top), int(right), int(bottom));
}

} // namespace

QByteArray BuildRegionData(const QImage& mask, int xOffset, int yOffset)
{
    const TbsFBitmap bitmap(mask);
    const std::vector<QRect> runs = BlackRuns(bitmap);
    const qsizetype count = qsizetype(runs.size());
    QByteArray block(kHeaderSize + kRectSize * count, '\0');
    Put32(block, 0, kHeaderSize);
    Put32(block, 4, kTypeRectangles);
    Put32(block, 8, count);
    Put32(block, 12, 0);
    PutRect(block, 16, xOffset, yOffset, qint64(xOffset) + bitmap.Width(),
            qint64(yOffset) + bitmap.Height());
    qsizetype at = kHeaderSize;
    for (const QRect& run : runs) {
        PutRect(block, at, qint64(run.x()) + xOffset, qint64(run.y()) + yOffset,
                qint64(RightOf(run)) + xOffset, qint64(BottomOf(run)) + yOffset);
        at += kRectSize;
    }
    return block;
}

QRegion RegionFromData(const QByteArray& data)
{
    const qsizetype size = data.size();
    if (size < kHeaderSize)
        throw SkinUiError(QStringLiteral("Region data is truncated: %1 bytes").arg(size));
    if (Get32(data, 0) != kHeaderSize)
        throw SkinUiError(QStringLiteral("Region data has a header of %1 bytes instead of 32")
                              .arg(Get32(data, 0)));
    if (Get32(data, 4) != kTypeRectangles)
        throw SkinUiError(
            QStringLiteral("Region data is of type %1, not rectangles").arg(Get32(data, 4)));
    const qint64 count = quint32(Get32(data, 8));
    if ((size - kHeaderSize) % kRectSize != 0 || (size - kHeaderSize) / kRectSize != count)
        throw SkinUiError(QStringLiteral("Region data holds %1 bytes for %2 rectangles")
                              .arg(size - kHeaderSize)
                              .arg(count));
    QRegion region;
    for (qsizetype at = kHeaderSize; at < size; at += kRectSize) {
        const qint64 left = Get32(data, at);
        const qint64 top = Get32(data, at + 4);
        const qint64 right = Get32(data, at + 8);
        const qint64 bottom = Get32(data, at + 12);
        if (right > left && bottom > top)
            region += CheckedRect(left, top, right, bottom);
    }
    return region;
}

QRegion RegionFromMask(const QImage& mask)
{
    return RegionFromData(BuildRegionData(mask, 0, 0));
}

std::array<PlacedMaskStrip, 4> PlaceMaskStrips(const FrameStripImages& strips, const QRect& newMaskRect)
{
    const QRect& m = newMaskRect;
    return {{{&strips.top, QPoint(0, 0)},
             {&strips.bottom, QPoint(0, BottomOf(m))},
             {&strips.left, QPoint(0, m.y())},
             {&strips.right, QPoint(RightOf(m), m.y())}}};
}

QRegion RegionFromMaskStrips(const FrameStripImages& strips, const QRect& newMaskRect)
{
    QRegion region;
    for (const PlacedMaskStrip& strip : PlaceMaskStrips(strips, newMaskRect))
        if (!strip.image->isNull())
            region += RegionFromData(BuildRegionData(*strip.image, strip.at.x(), strip.at.y()));
    if (!newMaskRect.isEmpty())
        region += newMaskRect;
    return region;
}

bool InFramedShape(const FrameStripImages& strips, const QRect& newMaskRect, const QPoint& point)
{
    if (newMaskRect.contains(point))
        return true;
    for (const PlacedMaskStrip& strip : PlaceMaskStrips(strips, newMaskRect)) {
        const QPoint inStrip = point - strip.at;
        if (strip.image->valid(inStrip)) {
            const QRgb pixel = strip.image->pixel(inStrip);
            return qRed(pixel) + qGreen(pixel) + qBlue(pixel) == 0;
        }
    }
    return false;
}

std::optional<QRegion> BuildFramedRegion(const QImage& mask, const NinePieceGeometry& geometry,
                                         const NinePieceGeometry& grown, int width, FrameStripImages* strips)
{
    const QRect& m = grown.clRect;
    if (m.width() < 0 || m.height() < 0)
        return std::nullopt;
    FrameStripImages own;
    FrameStripImages& built = strips ? *strips : own;
    built = FrameStripImages();
    BuildMaskStrips(built, mask, geometry, grown, width);
    return RegionFromMaskStrips(built, m);
}
