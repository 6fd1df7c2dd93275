#include "PackFixture.h"

#include "platform/ModuleRegistry.h"

#include <QBuffer>
#include <QFile>
#include <gtest/gtest.h>

PackFixture::PackFixture()
{
    EXPECT_TRUE(dir_.isValid());
}

PackFixture::~PackFixture()
{
    for (ModuleHandle handle : loaded_)
        ModuleRegistry::free(handle);
}

QString PackFixture::write(const QByteArray& bytes, const QString& fileName) const
{
    const QString path = directory() + fileName;
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
    return path;
}

ModuleHandle PackFixture::load(const QByteArray& bytes)
{
    return loadFile(write(bytes, QStringLiteral("pack-%1.dll").arg(loaded_.size())));
}

ModuleHandle PackFixture::loadFile(const QString& path)
{
    const ModuleHandle handle = ModuleRegistry::load(path);
    loaded_.push_back(handle);
    return handle;
}

QByteArray EncodePicture(const QImage& image, const char* format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(image.save(&buffer, format, 100));
    return bytes;
}

QImage TestPicture(int width, int height, bool withAlpha)
{
    QImage image(width, height, withAlpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int alpha = withAlpha ? (x * 255) / qMax(1, width - 1) : 255;
            image.setPixel(x, y, qRgba((x * 40) % 256, (y * 60) % 256, 200, alpha));
        }
    }
    return image;
}

QByteArray FixtureBytes(const QString& name)
{
    QFile file(QStringLiteral(KESTRUNE_TEST_DATA_DIR "/pack/") + name);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
    return file.readAll();
}
