#include "platform/GifDecoder.h"

#include "platform/DataFormatError.h"
#include "platform/PictureLimits.h"

#include <gif_lib.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

namespace {

struct MemoryReader {
    QByteArrayView bytes;
    qsizetype position = 0;
};

int readFromMemory(GifFileType* gif, GifByteType* buffer, int length)
{
    auto* reader = static_cast<MemoryReader*>(gif->UserData);
    const qsizetype count = std::min<qsizetype>(length, reader->bytes.size() - reader->position);
    std::memcpy(buffer, reader->bytes.data() + reader->position, size_t(count));
    reader->position += count;
    return int(count);
}

struct GifCloser {
    void operator()(GifFileType* gif) const
    {
        int error = 0;
        DGifCloseFile(gif, &error);
    }
};
using GifFile = std::unique_ptr<GifFileType, GifCloser>;

[[noreturn]] void fail(int error)
{
    const char* text = GifErrorString(error);
    throw DataFormatError(QStringLiteral("GIF error: %1").arg(QLatin1StringView(text ? text : "unknown error")));
}

void check(GifFileType* gif, int result)
{
    if (result == GIF_ERROR)
        fail(gif->Error);
}

// Reads the rest of an extension record; a graphic control block may name the transparent
// colour of the frame that follows.
int readExtension(GifFileType* gif, int transparent)
{
    int code = 0;
    GifByteType* block = nullptr;
    check(gif, DGifGetExtension(gif, &code, &block));
    if (code == GRAPHICS_EXT_FUNC_CODE && block && block[0] >= 4) {
        GraphicsControlBlock control;
        check(gif, DGifExtensionToGCB(block[0], block + 1, &control));
        transparent = control.TransparentColor;
    }
    while (block)
        check(gif, DGifGetExtensionNext(gif, &block));
    return transparent;
}

// The frame's rows in stored order: interlaced frames keep rows 0, 8, 16... first.
std::vector<int> rowOrder(int height, bool interlaced)
{
    std::vector<int> rows;
    rows.reserve(size_t(height));
    if (!interlaced) {
        for (int y = 0; y < height; ++y)
            rows.push_back(y);
        return rows;
    }
    constexpr int starts[] = {0, 4, 2, 1};
    constexpr int steps[] = {8, 8, 4, 2};
    for (int pass = 0; pass < 4; ++pass) {
        for (int y = starts[pass]; y < height; y += steps[pass])
            rows.push_back(y);
    }
    return rows;
}

QRgb colourOf(const ColorMapObject& map, GifPixelType index, int transparent)
{
    if (index == transparent || index >= map.ColorCount)
        return 0;
    const GifColorType& colour = map.Colors[index];
    return qRgb(colour.Red, colour.Green, colour.Blue);
}

void readFrame(GifFileType* gif, QImage& screen, int transparent)
{
    check(gif, DGifGetImageDesc(gif));
    const GifImageDesc& frame = gif->Image;
    PictureLimits::check(frame.Width, frame.Height, "GIF");
    const ColorMapObject* map = frame.ColorMap ? frame.ColorMap : gif->SColorMap;
    if (!map)
        throw DataFormatError(QStringLiteral("GIF error: no colour map"));
    std::vector<GifPixelType> line(size_t(frame.Width));
    for (int y : rowOrder(frame.Height, frame.Interlace)) {
        check(gif, DGifGetLine(gif, line.data(), frame.Width));
        const int screenY = frame.Top + y;
        if (screenY < 0 || screenY >= screen.height())
            continue;
        auto* pixels = reinterpret_cast<QRgb*>(screen.scanLine(screenY));
        for (int x = 0; x < frame.Width; ++x) {
            const int screenX = frame.Left + x;
            if (screenX >= 0 && screenX < screen.width())
                pixels[screenX] = colourOf(*map, line[size_t(x)], transparent);
        }
    }
}

} // namespace

QImage GifDecoder::decode(QByteArrayView bytes)
{
    MemoryReader reader{bytes};
    int error = 0;
    GifFile gif(DGifOpen(&reader, readFromMemory, &error));
    if (!gif)
        fail(error);
    PictureLimits::check(gif->SWidth, gif->SHeight, "GIF");
    QImage screen(gif->SWidth, gif->SHeight, QImage::Format_ARGB32);
    screen.fill(Qt::transparent);
    int transparent = NO_TRANSPARENT_COLOR;
    for (;;) {
        GifRecordType record = UNDEFINED_RECORD_TYPE;
        check(gif.get(), DGifGetRecordType(gif.get(), &record));
        if (record == EXTENSION_RECORD_TYPE) {
            transparent = readExtension(gif.get(), transparent);
        } else if (record == IMAGE_DESC_RECORD_TYPE) {
            readFrame(gif.get(), screen, transparent);
            return screen;
        } else if (record == TERMINATE_RECORD_TYPE) {
            throw DataFormatError(QStringLiteral("GIF error: no picture in the data"));
        }
    }
}
