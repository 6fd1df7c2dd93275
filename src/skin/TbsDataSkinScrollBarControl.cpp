#include "skin/TbsDataSkinScrollBarControl.h"

#include "skin/SkinKeyVisitor.h"

QString TbsDataSkinScrollBarControl::KindWord() const
{
    return QStringLiteral("scrollbar");
}

void TbsDataSkinScrollBarControl::VisitKeys(SkinKeyVisitor& v)
{
    TbsDataSkinCustomControl::VisitKeys(v);
    v.Rect("trackarea", trackarea);
    v.ArrowButtonRects(upbuttonrect, activeupbuttonrect, downupbuttonrect, downbuttonrect, activedownbuttonrect, downdownbuttonrect);
    v.Rect("thumbrect", thumbrect);
    v.Rect("activethumbrect", activethumbrect);
    v.Rect("downthumbrect", downthumbrect);
    v.Integer("thumboffset1", thumboffset1, 0);
    v.Integer("thumboffset2", thumboffset2, 0);
    v.Boolean("thumbtransparent", thumbtransparent);
    v.Integer("thumbtransparentcolor", thumbtransparentcolor, 0);
    v.Boolean("thumbstretcheffect", thumbstretcheffect);
    v.Integer("thumbminsize", thumbminsize, 0);
    v.Integer("thumbminpagesize", thumbminpagesize, 0);
    v.Rect("glyphrect", glyphrect);
    v.Rect("activeglyphrect", activeglyphrect);
    v.Rect("downglyphrect", downglyphrect);
    v.Boolean("glyphtransparent", glyphtransparent);
    v.Integer("glyphtransparentcolor", glyphtransparentcolor, 0);
}
