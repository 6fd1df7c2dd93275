#pragma once

#include "framework/TControl.h"

#include <QImage>

// A picture control. It shows its picture unscaled at its top-left corner, or stretched
// over the whole control, or centred; with AutoSize it takes the picture's size whenever
// the picture changes.
class TImage : public TControl {
    Q_OBJECT
public:
    explicit TImage(QWidget* parent = nullptr);

    const QImage& Picture() const { return picture_; }
    // Takes a copy of the picture, repaints and, with AutoSize, resizes to it.
    void SetPicture(const QImage& picture);

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

    QImage picture_;
    bool autoSize_ = false;
    bool stretch_ = false;
    bool center_ = false;
};
