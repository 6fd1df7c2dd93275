#include "platform/ResourcePack.h"

#include "platform/ModuleRegistry.h"

ModuleHandle LoadResourcePack(const QString& directory)
{
    return ModuleRegistry::load(directory + QStringView(ResourcePackFileName));
}

QImage DecodePackVariant(const QString& resName, const QString& resType)
{
    return DecodeResourceVariant(ResourcePackHandle, resName, resType);
}

void LoadPackPng(PngImage& png, const QString& resName)
{
    LoadResourcePng(ResourcePackHandle, png, resName);
}

void LoadPackJpeg(JpegImage& jpeg, const QString& resName)
{
    LoadResourceJpeg(ResourcePackHandle, jpeg, resName);
}

void SavePackResource(const QString& resName, const QString& extension, const QString& directory,
                      const QString& resType)
{
    SaveResourceToFile(ResourcePackHandle, resName, extension, resType, directory);
}
