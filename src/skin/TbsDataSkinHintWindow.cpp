#include "skin/TbsDataSkinHintWindow.h"

#include "skin/SkinKeyVisitor.h"

TbsDataSkinHintWindow::TbsDataSkinHintWindow() : TbsDataSkinEntry(QStringLiteral("HINTWINDOW"))
{
    ResetToDefaults();
}

void TbsDataSkinHintWindow::VisitKeys(SkinKeyVisitor& v)
{
    v.Integer("windowpictureindex", windowpictureindex, -1);
    v.Integer("maskpictureindex", maskpictureindex, -1);
    v.CornerPoints(lefttoppoint, righttoppoint, leftbottompoint, rightbottompoint);
    v.Rect("clientrect", clientrect);
    v.FontGroup(*this);
    v.Boolean("leftstretch", leftstretch);
    v.Boolean("rightstretch", rightstretch);
    v.Boolean("topstretch", topstretch);
    v.Boolean("bottomstretch", bottomstretch);
    v.Boolean("stretcheffect", stretcheffect);
    v.StretchType("stretchtype", stretchtype);
}
