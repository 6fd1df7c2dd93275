#include "skin/TbsDataSkinExPanelControl.h"

#include "skin/SkinKeyVisitor.h"

QString TbsDataSkinExPanelControl::KindWord() const
{
    return QStringLiteral("expanel");
}

void TbsDataSkinExPanelControl::VisitKeys(SkinKeyVisitor& v)
{
    TbsDataSkinCustomControl::VisitKeys(v);
    v.Rect("rollhskinrect", rollhskinrect);
    v.Rect("rollvskinrect", rollvskinrect);
    v.Integer("rollleftoffset", rollleftoffset, 0);
    v.Integer("rollrightoffset", rollrightoffset, 0);
    v.Integer("rolltopoffset", rolltopoffset, 0);
    v.Integer("rollbottomoffset", rollbottomoffset, 0);
    v.Rect("rollvcaptionrect", rollvcaptionrect);
    v.Rect("rollhcaptionrect", rollhcaptionrect);
    v.Rect("closebuttonrect", closebuttonrect);
    v.Rect("closebuttonactiverect", closebuttonactiverect);
    v.Rect("closebuttondownrect", closebuttondownrect);
    v.Rect("hrollbuttonrect", hrollbuttonrect);
    v.Rect("hrollbuttonactiverect", hrollbuttonactiverect);
    v.Rect("hrollbuttondownrect", hrollbuttondownrect);
    v.Rect("hrestorebuttonrect", hrestorebuttonrect);
    v.Rect("hrestorebuttonactiverect", hrestorebuttonactiverect);
    v.Rect("hrestorebuttondownrect", hrestorebuttondownrect);
    v.Rect("vrollbuttonrect", vrollbuttonrect);
    v.Rect("vrollbuttonactiverect", vrollbuttonactiverect);
    v.Rect("vrollbuttondownrect", vrollbuttondownrect);
    v.Rect("vrestorebuttonrect", vrestorebuttonrect);
    v.Rect("vrestorebuttonactiverect", vrestorebuttonactiverect);
    v.Rect("vrestorebuttondownrect", vrestorebuttondownrect);
    v.Rect("captionrect", captionrect);
    v.FontGroup(*this);
    v.Boolean("buttonstransparent", buttonstransparent);
    v.Integer("buttonstransparentcolor", buttonstransparentcolor, 0);
}
