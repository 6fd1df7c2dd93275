#include "skin/TbsDataSkinCheckRadioControl.h"

#include "skin/SkinKeyVisitor.h"

QString TbsDataSkinCheckRadioControl::KindWord() const
{
    return QStringLiteral("checkradio");
}

void TbsDataSkinCheckRadioControl::VisitKeys(SkinKeyVisitor& v)
{
    TbsDataSkinCustomControl::VisitKeys(v);
    v.FontGroup(*this);
    v.Integer("activefontcolor", activefontcolor, 0);
    v.Integer("unenabledfontcolor", unenabledfontcolor, 0);
    v.Integer("framefontcolor", framefontcolor, 0);
    v.Rect("activeskinrect", activeskinrect);
    v.Rect("checkimagearea", checkimagearea);
    v.Rect("textarea", textarea);
    v.Rect("checkimagerect", checkimagerect);
    v.Rect("uncheckimagerect", uncheckimagerect);
    v.Rect("activecheckimagerect", activecheckimagerect);
    v.Rect("activeuncheckimagerect", activeuncheckimagerect);
    v.Rect("unenabledcheckimagerect", unenabledcheckimagerect);
    v.Rect("unenableduncheckimagerect", unenableduncheckimagerect);
    v.Rect("grayedcheckimagerect", grayedcheckimagerect);
    v.Rect("activegrayedcheckimagerect", activegrayedcheckimagerect);
    v.Boolean("morphing", morphing);
    v.MorphKind("morphkind", morphkind);
}
