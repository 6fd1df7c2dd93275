#include "skinui/TbsBitmap.h"

#include "skinui/SkinUiError.h"

#include <cstdlib>
#include <new>

TbsBitmap::TbsBitmap(const QImage& picture)
{
    Resize(picture.width(), picture.height());
    if (painter_)
        painter_->drawImage(0, 0, picture.convertToFormat(QImage::Format_RGB32));
}

TbsBitmap::~TbsBitmap()
{
    Release();
}

void TbsBitmap::Resize(int width, int height)
{
    const int w = std::abs(width);
    const int h = std::abs(height);
    if (w == 0 || h == 0 || (w == Width() && h == Height()))
        return;
    Release();
    image_ = QImage(w, h, QImage::Format_ARGB32);
    if (image_.isNull())
        throw SkinUiError(QStringLiteral("Can't allocate the DIB handle"));
    image_.fill(0);
    Attach();
}

void TbsBitmap::Attach()
{
    try {
        painter_ = std::make_unique<QPainter>();
    } catch (const std::bad_alloc&) {
        Release();
        throw SkinUiError(QStringLiteral("Can't create compatible DC"));
    }
    if (!painter_->begin(&image_)) {
        Release();
        throw SkinUiError(QStringLiteral("Can't bslect an object into DC"));
    }
    painter_->setCompositionMode(QPainter::CompositionMode_Source);
}

void TbsBitmap::Release()
{
    painter_.reset();
    image_ = QImage();
}
