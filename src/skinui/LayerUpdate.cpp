#include "skinui/LayerUpdate.h"

#include "skinui/TbsBitmap.h"
#include "skinui/TbsLayerWindow.h"

#include <algorithm>

void ComposeAlphaFromMask(TbsBitmap& bitmap, const QImage& mask)
{
    QImage& image = bitmap.Image();
    const QImage m = mask.convertToFormat(QImage::Format_RGB32);
    const int width = std::min(image.width(), m.width());
    const int height = std::min(image.height(), m.height());
    for (int y = 0; y < height; ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        const auto* maskRow = reinterpret_cast<const QRgb*>(m.constScanLine(y));
        for (int x = 0; x < width; ++x) {
            const QRgb v = maskRow[x];
            const int alpha = (qRed(v) + qGreen(v) + qBlue(v) + 1) / 3;
            row[x] = (row[x] & 0x00FFFFFFu) | (QRgb(alpha) << 24);
        }
    }
}

void UpdateLayerWindow(const TbsBitmap& bitmap, int alpha, TbsLayerWindow& window)
{
    window.SetPicture(bitmap.Image());
    window.resize(bitmap.Image().size());
    window.setWindowOpacity(std::clamp(alpha, 0, 255) / 255.0);
}
