#pragma once

#include "platform/Global.h"
#include "platform/ResourceAccess.h"

// The resource pack: "Tarvel.dll" beside the executable, and the pack-bound forms of the
// resource operations. Each passes ResourcePackHandle as the module, so each does nothing
// while no pack is loaded.

inline constexpr char16_t ResourcePackFileName[] = u"Tarvel.dll";

// Loads directory + "Tarvel.dll" (the directory ends in a separator); returns the module
// handle, or 0 when the file is missing or not a well-formed pack.
ModuleHandle LoadResourcePack(const QString& directory);

template <class Picture>
void LoadPackImage(Picture& image, const QString& resName, const QString& resType)
{
    LoadResourceImage(ResourcePackHandle, image, resName, resType);
}

// The pack's double-size variant of a picture (DecodeResourceVariant); null when it has none.
QImage DecodePackVariant(const QString& resName, const QString& resType);
void LoadPackPng(PngImage& png, const QString& resName);
void LoadPackJpeg(JpegImage& jpeg, const QString& resName);
void SavePackResource(const QString& resName, const QString& extension, const QString& directory,
                      const QString& resType);
