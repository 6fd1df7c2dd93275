#include "framework/TImage.h"

#include "framework/DoubleSizePicture.h"

#include <QPainter>

TImage::TImage(QWidget* parent) : TControl(parent)
{
    SetGraphicControl(true);
    setAttribute(Qt::WA_TranslucentBackground);
}

void TImage::SetPicture(const QImage& picture)
{
    SetPicture(picture, QImage());
}

void TImage::SetPicture(const QImage& picture, const QImage& doubleSize)
{
    picture_ = picture;
    doubleSize_ = doubleSize;
    shownRatio_ = 0;
    ApplyAutoSize();
    update();
}

const QImage& TImage::Shown(qreal ratio) const
{
    if (ratio != shownRatio_) {
        shown_ = PictureForRatio(picture_, doubleSize_, ratio);
        shownRatio_ = ratio;
    }
    return shown_;
}

void TImage::SetAutoSize(bool autoSize)
{
    if (autoSize_ == autoSize)
        return;
    autoSize_ = autoSize;
    ApplyAutoSize();
}

void TImage::SetStretch(bool stretch)
{
    if (stretch_ == stretch)
        return;
    stretch_ = stretch;
    update();
}

void TImage::SetCenter(bool center)
{
    if (center_ == center)
        return;
    center_ = center;
    update();
}

void TImage::ApplyAutoSize()
{
    if (autoSize_ && !picture_.isNull())
        resize(picture_.size());
}

void TImage::paintEvent(QPaintEvent*)
{
    if (picture_.isNull())
        return;
    QPainter painter(this);
    const QImage& shown = Shown(PaintingRatio(painter));
    if (stretch_) {
        painter.drawImage(rect(), shown);  // no smoothing: exact pixels
    } else if (center_) {
        const QPoint origin((width() - picture_.width()) / 2, (height() - picture_.height()) / 2);
        painter.drawImage(origin, shown);
    } else {
        painter.drawImage(QPoint(0, 0), shown);
    }
}
