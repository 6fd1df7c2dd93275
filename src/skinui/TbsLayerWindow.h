#pragma once

#include <QImage>
#include <QWidget>

// A click-through, never-activated top-level tool window without frame that shows one
// picture with its per-pixel alpha, at a constant opacity on top (a caption button's glow).
class TbsLayerWindow : public QWidget {
    Q_OBJECT
public:
    explicit TbsLayerWindow(bool topMost);

    void SetPicture(const QImage& picture);
    const QImage& Picture() const { return picture_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage picture_;
};
