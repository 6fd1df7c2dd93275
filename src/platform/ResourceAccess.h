#pragma once

#include "platform/ModuleHandle.h"
#include "platform/ResourceId.h"

#include <QByteArrayView>
#include <QImage>
#include <QString>

#include <optional>
#include <span>
#include <utility>

class JpegImage;
class PngImage;

// Reading a module's resources into pictures, picture objects and files. Module 0 or an
// empty name does nothing. A missing resource raises ResourceNotFoundError; damaged picture
// data raises DataFormatError and leaves the target unchanged. Nothing is cached: every call
// looks the resource up and decodes it anew.

using ImageDecoder = QImage (*)(QByteArrayView);

// The picture decoders by the resource type text that selects them, in the order
// DecodeResourceImage tries them: "JPEG", "BMP", "GIF", "PNG".
std::span<const std::pair<QStringView, ImageDecoder>> ResourceImageDecoders();
// The decoder DecodeResourceImage uses for a type text, matched exactly as written; nullptr
// for none.
ImageDecoder ResourceImageDecoder(QStringView typeText);

// The bytes of resource (type, name) of a loaded module; raises ResourceNotFoundError when the
// module has no such resource or the handle names no loaded module.
QByteArrayView OpenResource(ModuleHandle module, const ResourceId& type, const QString& name);

// The picture that LoadResourceImage would show: nothing for module 0, an empty name or a
// type text that selects no decoder ("JPEG", "BMP", "GIF" and "PNG", exactly as written).
// The resource is looked up before the type is examined, so a missing one raises either way.
std::optional<QImage> DecodeResourceImage(ModuleHandle module, const QString& resName, const QString& resType);

// The double-size variant of a picture resource: resource (type, name + "@2X"), twice the
// picture's size, decoded as the type text says. A variant is optional: the result is a null
// picture for module 0, an empty name, a type text that selects no decoder, a module without
// the variant and a variant that cannot be decoded; the base picture is then drawn alone.
QImage DecodeResourceVariant(ModuleHandle module, const QString& resName, const QString& resType);

// The name of a picture resource's double-size variant: name + "@2X".
QString ResourceVariantName(const QString& resName);

// Replaces the picture of any holder with a SetPicture(const QImage&) member. A holder that can
// show a double-size form (SetPicture(picture, doubleSize)) and is drawn at a device pixel ratio
// above 1 gets the pack's variant too, when there is one.
template <class Picture>
    requires requires(Picture& holder, const QImage& image) { holder.SetPicture(image); }
void LoadResourceImage(ModuleHandle module, Picture& image, const QString& resName, const QString& resType)
{
    std::optional<QImage> picture = DecodeResourceImage(module, resName, resType);
    if (!picture)
        return;
    if constexpr (requires { image.SetPicture(*picture, *picture); image.devicePixelRatioF(); }) {
        if (image.devicePixelRatioF() > 1) {
            image.SetPicture(*picture, DecodeResourceVariant(module, resName, resType));
            return;
        }
    }
    image.SetPicture(*picture);
}

void LoadResourcePng(ModuleHandle module, PngImage& png, const QString& resName);
void LoadResourceJpeg(ModuleHandle module, JpegImage& jpeg, const QString& resName);

// Writes the resource's bytes to directory + name + extension (plain concatenation). The type
// text "rcdata", exactly in lower case, selects the raw-data type 10; any other text is a
// type name. The file is written with SafeFileWriter.
void SaveResourceToFile(ModuleHandle module, const QString& resName, const QString& extension,
                        const QString& resType, const QString& directory);

// The resource type that SaveResourceToFile and the pack tools read a type text as.
ResourceId ResourceTypeFromText(const QString& resType);
