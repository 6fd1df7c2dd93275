#pragma once

#include "skin/SkinDoubleSizePictures.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QImage>
#include <QList>
#include <QStringList>

// The unpacked skin stream: content version, the three frame picture items (absent flag, then
// a BMP file when the flag is 0), two more items only for content version 2, the picture count
// and list, then the description text, and behind it the optional double-size pictures.
class SkinPackageContent {
public:
    static constexpr qint32 CurrentVersion = 3;

    // Reads the stream; a content version above 3 stops right after the version. Double-size
    // pictures that are not exactly twice their 1x pictures are refused (SkinError).
    static SkinPackageContent Read(QByteArrayView unpacked);
    // The writer's form: content version 3, the description in the ANSI code page.
    QByteArray Write() const;

    bool Supported() const { return Version <= CurrentVersion; }

    qint32 Version = CurrentVersion;
    QImage FramePicture;
    QImage InactiveFramePicture;
    QImage FrameMask;
    QList<QImage> Pictures;
    QStringList DescriptionLines;
    SkinDoubleSizePictures DoubleSize;

    // Raises SkinError when a double-size picture does not double its 1x picture.
    void CheckDoubleSize() const;

private:
    static SkinPackageContent ReadChecked(QByteArrayView unpacked);
};
