#pragma once

#include "skincontrols/TbsSkinPageControl.h"
#include "skincontrols/TbsSkinTabSheet.h"

// The main window's tab strip at (4, 27): twelve tabs 143 x 30 from x 90 on a page control of
// 1272 x 564.
inline TbsSkinPageControl* MakeMainStrip(QWidget* parent)
{
    auto* strip = new TbsSkinPageControl(parent);
    strip->setGeometry(4, 27, 1272, 564);
    strip->SetTabWidth(143);
    strip->SetTabHeight(30);
    strip->SetTabsOffset(90);
    for (int i = 0; i < 12; ++i) {
        auto* sheet = new TbsSkinTabSheet(strip);
        sheet->SetCaption(QStringLiteral("游戏列表 %1").arg(i));
        sheet->SetPageControl(strip);
    }
    return strip;
}
