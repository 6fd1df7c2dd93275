#include "binary/ByteCursor.h"
#include "skin/SkinBitmapCodec.h"
#include "skin/SkinError.h"

#include <QtEndian>
#include <gtest/gtest.h>

// The shared codec's refusals reach skin code as the skin's own two texts.
TEST(SkinBitmapCodec, RefusesWhatIsNoSupportedBitmap)
{
    QImage picture(4, 4, QImage::Format_RGB32);
    picture.fill(qRgb(10, 200, 30));
    const QByteArray good = SkinBitmapCodec::Write(picture);
    const auto message = [](QByteArray bytes) {
        try {
            ByteCursor cursor(bytes);
            SkinBitmapCodec::Read(cursor);
        } catch (const SkinError& e) {
            return e.message();
        }
        return QStringLiteral("no error");
    };
    // One field of the valid file changed at a time: offset, new 32-bit value, expected error.
    const struct {
        int offset;
        quint32 value;
        const char* error;
    } mutations[] = {
        {0, 0x4D58, "Bitmap image is not valid"},      // "XM" instead of "BM"
        {30, 1, "Bitmap image is not valid"},          // run-length compression
        {18, 0x7FFFFFFF, "Bitmap image is not valid"}, // width
        {22, 0x80000000u, "Bitmap image is not valid"}, // height
        {28, 7, "Bitmap image is not valid"},          // 7 bits per pixel
        {14, 20, "Bitmap image is not valid"},         // header size
        {46, 0x40000000, "Stream read error"},         // colour count
        {14, 0xFFFFFFF0u, "Stream read error"},        // header size beyond the data
    };
    for (const auto& m : mutations) {
        QByteArray changed = good;
        qToLittleEndian(m.value, changed.data() + m.offset);
        EXPECT_EQ(message(changed), m.error) << m.offset;
    }
    for (int cut = 0; cut < good.size(); ++cut)
        EXPECT_NE(message(good.left(cut)), "no error") << cut;
}
