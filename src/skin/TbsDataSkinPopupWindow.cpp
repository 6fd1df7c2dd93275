#include "skin/TbsDataSkinPopupWindow.h"

#include "skin/SkinKeyVisitor.h"

TbsDataSkinPopupWindow::TbsDataSkinPopupWindow() : TbsDataSkinEntry(QStringLiteral("POPUPWINDOW"))
{
    ResetToDefaults();
}

void TbsDataSkinPopupWindow::VisitKeys(SkinKeyVisitor& v)
{
    v.Integer("windowpictureindex", windowpictureindex, -1);
    v.Integer("maskpictureindex", maskpictureindex, -1);
    v.CornerPoints(lefttoppoint, righttoppoint, leftbottompoint, rightbottompoint);
    v.Rect("itemsrect", itemsrect);
    v.Integer("scrollmarkercolor", scrollmarkercolor, 0);
    v.Integer("scrollmarkeractivecolor", scrollmarkeractivecolor, 0);
    v.Boolean("leftstretch", leftstretch);
    v.Boolean("rightstretch", rightstretch);
    v.Boolean("topstretch", topstretch);
    v.Boolean("bottomstretch", bottomstretch);
    v.Boolean("stretcheffect", stretcheffect);
    v.StretchType("stretchtype", stretchtype);
}
