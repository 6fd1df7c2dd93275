#pragma once

#include <QByteArrayView>
#include <QImage>

// A PNG picture object: holds the last PNG it was loaded from, alpha included. A load that
// fails leaves the previous picture in place.
class PngImage {
public:
    void LoadFromBytes(QByteArrayView bytes);
    const QImage& image() const { return image_; }

private:
    QImage image_;
};
