#include "skin/TbsDataSkinGridControl.h"

#include "skin/SkinKeyVisitor.h"

QString TbsDataSkinGridControl::KindWord() const
{
    return QStringLiteral("grid");
}

void TbsDataSkinGridControl::VisitKeys(SkinKeyVisitor& v)
{
    TbsDataSkinControl::VisitKeys(v);
    v.Rect("fixedcellrect", fixedcellrect);
    v.Rect("selectcellrect", selectcellrect);
    v.Rect("focuscellrect", focuscellrect);
    v.Integer("fixedcellleftoffset", fixedcellleftoffset, 0);
    v.Integer("fixedcellrightoffset", fixedcellrightoffset, 0);
    v.Rect("fixedcelltextrect", fixedcelltextrect);
    v.Integer("cellleftoffset", cellleftoffset, 0);
    v.Integer("cellrightoffset", cellrightoffset, 0);
    v.Rect("celltextrect", celltextrect);
    v.Integer("bgpictureindex", bgpictureindex, -1);
    v.Integer("linescolor", linescolor, 0);
    v.Integer("bgcolor", bgcolor, 0);
    v.FontGroup(*this);
    v.Integer("selectfontcolor", selectfontcolor, 0);
    v.Integer("focusfontcolor", focusfontcolor, 0);
    v.Text("fixedfontname", fixedfontname, QStringLiteral("Arial"));
    v.Integer("fixedfontheight", fixedfontheight, 14);
    v.FontStyle("fixedfontstyle", fixedfontstyle);
    v.Integer("fixedfontcolor", fixedfontcolor, 0);
    v.Boolean("cellstretcheffect", cellstretcheffect);
    v.Boolean("fixedcellstretcheffect", fixedcellstretcheffect);
    v.Boolean("showfocus", showfocus);
}
