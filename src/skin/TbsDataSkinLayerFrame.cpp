#include "skin/TbsDataSkinLayerFrame.h"

#include "skin/SkinKeyVisitor.h"

TbsDataSkinLayerFrame::TbsDataSkinLayerFrame() : TbsDataSkinEntry(QStringLiteral("LAYERFRAME"))
{
    ResetToDefaults();
}

void TbsDataSkinLayerFrame::VisitKeys(SkinKeyVisitor& v)
{
    v.Integer("pictureindex", pictureindex, -1);
    v.Integer("maskpictureindex", maskpictureindex, -1);
    v.Integer("inactivepictureindex", inactivepictureindex, -1);
    v.Integer("inactivemaskpictureindex", inactivemaskpictureindex, -1);
    v.CornerPoints(lefttoppoint, righttoppoint, leftbottompoint, rightbottompoint);
    v.Rect("clientrect", clientrect);
    v.Integer("alphablendvalue", alphablendvalue, 255);
    v.Integer("inactivealphablendvalue", inactivealphablendvalue, 255);
    v.Rect("borderrect", borderrect);
    v.Boolean("hittestenable", hittestenable);
}
