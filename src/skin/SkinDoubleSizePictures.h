#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QImage>
#include <QList>
#include <QString>

#include <optional>

// A skin's optional double-size pictures, drawn where a window's device pixel ratio is above
// 1: for the frame picture, the inactive frame picture, the frame mask and each picture of the
// list, one picture of exactly twice its width and height, or none (a null picture).
//
// In the unpacked stream they follow the description behind a NUL byte, which ends the text
// for every reader, and close with their length and the tag "SKIN@2X\0". A reader that does
// not know them reads the description up to the NUL and stops; a stream without the tag at its
// end has no double-size pictures. Between the NUL and the length: the three frame items, a
// 32-bit count, then that many picture items (absent flag, then a BMP file when it is 0),
// index by index with the picture list.
struct SkinDoubleSizePictures {
    QImage FramePicture;
    QImage InactiveFramePicture;
    QImage FrameMask;
    QList<QImage> Pictures;

    bool IsEmpty() const;
    // The double of list picture index; null when there is none.
    const QImage& Picture(int index) const;

    // What follows the picture list: the description's bytes and the set's, when there is one.
    struct Split {
        QByteArrayView text;
        std::optional<QByteArrayView> set;
    };
    // Raises SkinError when the tag is there but the length is not one the stream can hold.
    static Split SplitFromText(QByteArrayView rest);
    // Reads the set's bytes (from SplitFromText); raises SkinError for truncated or corrupt ones.
    static SkinDoubleSizePictures Read(QByteArrayView set);
    // The bytes to append behind the description: nothing for an empty set.
    QByteArray Write() const;

    // Raises SkinError naming the first picture that is not exactly twice the size of its
    // 1x picture, or that has no 1x picture to double.
    void CheckDoubles(const QImage& frame, const QImage& inactiveFrame, const QImage& mask,
                      const QList<QImage>& pictures) const;

    // The file name of a double-size picture in a skin folder: "@2x" before the file name's
    // last suffix ("frame.bmp" gives "frame@2x.bmp", "frame" gives "frame@2x").
    static QString FileName(const QString& name);
};
