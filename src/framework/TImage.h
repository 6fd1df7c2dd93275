#pragma once

#include "framework/TControl.h"

#include <QImage>

// A picture control. It shows its picture unscaled at its top-left corner, or stretched
// over the whole control, or centred; with AutoSize it takes the picture's size whenever
// the picture changes. A picture may come with its double-size form, which is drawn instead
// wherever the control is painted at a device pixel ratio above 1 (DoubleSizePicture.h).
class TImage : public TControl {
    Q_OBJECT
public:
    explicit TImage(QWidget* parent = nullptr);

    const QImage& Picture() const { return picture_; }
    const QImage& DoubleSizePicture() const { return doubleSize_; }
    // Takes a copy of the picture, repaints and, with AutoSize, resizes to it.
    void SetPicture(const QImage& picture);
    // The same with the picture's double-size form (ignored unless exactly twice its size).
    void SetPicture(const QImage& picture, const QImage& doubleSize);

    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool autoSize);
    bool Stretch() const { return stretch_; }
    void SetStretch(bool stretch);
    bool Center() const { return center_; }
    void SetCenter(bool center);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void ApplyAutoSize();
    // The picture prepared for the device pixel ratio painting happens at.
    const QImage& Shown(qreal ratio) const;

    QImage picture_;
    QImage doubleSize_;
    mutable QImage shown_;
    mutable qreal shownRatio_ = 0;
    bool autoSize_ = false;
    bool stretch_ = false;
    bool center_ = false;
};
