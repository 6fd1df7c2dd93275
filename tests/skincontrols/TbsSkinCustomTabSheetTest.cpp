#include "skincontrols/TbsSkinPageControl.h"
#include "skincontrols/TbsSkinTabSheet.h"
#include "skinui/SkinColor.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

TEST(TbsSkinCustomTabSheet, WallPaperIsTiledFromTheTopLeftElseButtonFace)
{
    TbsSkinTabSheet sheet;
    sheet.resize(5, 5);
    EXPECT_EQ(sheet.grab().toImage().pixel(4, 4), SystemColor(SkinColor::kButtonFace).rgb());

    QImage paper(2, 2, QImage::Format_RGB32);
    paper.setPixel(0, 0, qRgb(255, 0, 0));
    paper.setPixel(1, 0, qRgb(0, 255, 0));
    paper.setPixel(0, 1, qRgb(0, 0, 255));
    paper.setPixel(1, 1, qRgb(9, 9, 9));
    sheet.SetWallPaper(paper);
    const QImage face = sheet.grab().toImage();
    for (int y = 0; y < 5; ++y) {
        for (int x = 0; x < 5; ++x)
            EXPECT_EQ(face.pixel(x, y), paper.pixel(x % 2, y % 2)) << x << "," << y;
    }
}

TEST(TbsSkinCustomTabSheet, FillsThePageAreaOfItsControl)
{
    TbsSkinPageControl control;
    control.resize(915, 564);
    control.SetTabHeight(30);
    auto* sheet = new TbsSkinTabSheet(&control);
    sheet->SetPageControl(&control);
    EXPECT_EQ(sheet->geometry().size(), QSize(913, 532));
}

}  // namespace
