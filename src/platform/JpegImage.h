#pragma once

#include <QByteArrayView>
#include <QImage>

// A JPEG picture object: holds the last JPEG it was loaded from. A load that fails leaves
// the previous picture in place.
class JpegImage {
public:
    void LoadFromBytes(QByteArrayView bytes);
    const QImage& image() const { return image_; }

private:
    QImage image_;
};
