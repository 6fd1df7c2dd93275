#include "skin/TbsDataSkinControl.h"

#include "skin/SkinKeyVisitor.h"

void TbsDataSkinControl::VisitKeys(SkinKeyVisitor& v)
{
    v.Integer("pictureindex", pictureindex, -1);
    v.Integer("maskpictureindex", maskpictureindex, -1);
    v.Rect("skinrect", skinrect);
}
