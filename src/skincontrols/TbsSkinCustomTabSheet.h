#pragma once

#include "framework/TTabSheet.h"

#include <QImage>

// A tab sheet with a skinned background: its WallPaper tiled from the top-left corner, else the
// page background of its skinned page control's skin, else the button face.
class TbsSkinCustomTabSheet : public TTabSheet {
    Q_OBJECT
public:
    explicit TbsSkinCustomTabSheet(QWidget* parent = nullptr);

    QImage WallPaper() const { return wallPaper_; }
    void SetWallPaper(const QImage& wallPaper);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage wallPaper_;
};
