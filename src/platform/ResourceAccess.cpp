#include "platform/ResourceAccess.h"

#include "platform/BmpDecoder.h"
#include "platform/DataFormatError.h"
#include "platform/GifDecoder.h"
#include "platform/JpegDecoder.h"
#include "platform/JpegImage.h"
#include "platform/ModuleRegistry.h"
#include "platform/PngDecoder.h"
#include "platform/PngImage.h"
#include "platform/ResourceModule.h"
#include "platform/ResourceNotFoundError.h"
#include "platform/SafeFileWriter.h"

#include <utility>

namespace {

constexpr quint16 RawDataType = 10;

// Checked in this order, against the type text exactly as the caller wrote it.
constexpr std::pair<QStringView, ImageDecoder> Decoders[] = {
    {u"JPEG", JpegDecoder::decode},
    {u"BMP", BmpDecoder::decode},
    {u"GIF", GifDecoder::decode},
    {u"PNG", PngDecoder::decode},
};

bool skipped(ModuleHandle module, const QString& resName)
{
    return module == 0 || resName.isEmpty();
}

} // namespace

std::span<const std::pair<QStringView, ImageDecoder>> ResourceImageDecoders()
{
    return Decoders;
}

ImageDecoder ResourceImageDecoder(QStringView typeText)
{
    for (const auto& [type, decode] : Decoders)
        if (typeText == type)
            return decode;
    return nullptr;
}

QByteArrayView OpenResource(ModuleHandle module, const ResourceId& type, const QString& name)
{
    const ResourceModule* loaded = ModuleRegistry::find(module);
    if (!loaded)
        throw ResourceNotFoundError(name);
    return loaded->resource(type, ResourceId::fromText(name));
}

std::optional<QImage> DecodeResourceImage(ModuleHandle module, const QString& resName, const QString& resType)
{
    if (skipped(module, resName))
        return std::nullopt;
    const QByteArrayView bytes = OpenResource(module, ResourceId::fromText(resType), resName);
    if (const ImageDecoder decode = ResourceImageDecoder(resType))
        return decode(bytes);
    return std::nullopt;
}

QString ResourceVariantName(const QString& resName)
{
    return resName + QStringLiteral("@2X");
}

QImage DecodeResourceVariant(ModuleHandle module, const QString& resName, const QString& resType)
{
    const ResourceModule* loaded = skipped(module, resName) ? nullptr : ModuleRegistry::find(module);
    const ImageDecoder decode = ResourceImageDecoder(resType);
    if (!loaded || !decode)
        return QImage();
    const ResourceEntry* entry =
        loaded->table().find(ResourceId::fromText(resType), ResourceId::fromText(ResourceVariantName(resName)));
    if (!entry || !entry->readable())
        return QImage();
    try {
        return decode(loaded->bytesOf(*entry));
    } catch (const DataFormatError&) {
        return QImage();  // kestrune-pack check names it; the base picture is drawn
    }
}

void LoadResourcePng(ModuleHandle module, PngImage& png, const QString& resName)
{
    if (!skipped(module, resName))
        png.LoadFromBytes(OpenResource(module, ResourceId(QStringLiteral("PNG")), resName));
}

void LoadResourceJpeg(ModuleHandle module, JpegImage& jpeg, const QString& resName)
{
    if (!skipped(module, resName))
        jpeg.LoadFromBytes(OpenResource(module, ResourceId(QStringLiteral("JPEG")), resName));
}

void SaveResourceToFile(ModuleHandle module, const QString& resName, const QString& extension,
                        const QString& resType, const QString& directory)
{
    if (skipped(module, resName))
        return;
    const QByteArrayView bytes = OpenResource(module, ResourceTypeFromText(resType), resName);
    SafeFileWriter::write(directory + resName + extension, bytes);
}

ResourceId ResourceTypeFromText(const QString& resType)
{
    if (resType == u"rcdata")
        return ResourceId(RawDataType);
    return ResourceId::fromText(resType);
}
