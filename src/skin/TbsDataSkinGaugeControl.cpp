#include "skin/TbsDataSkinGaugeControl.h"

#include "skin/SkinKeyVisitor.h"

QString TbsDataSkinGaugeControl::KindWord() const
{
    return QStringLiteral("gauge");
}

void TbsDataSkinGaugeControl::VisitKeys(SkinKeyVisitor& v)
{
    TbsDataSkinCustomControl::VisitKeys(v);
    v.Rect("progressarea", progressarea);
    v.Rect("progressrect", progressrect);
    v.Integer("beginoffset", beginoffset, 0);
    v.Integer("endoffset", endoffset, 0);
    v.Boolean("vertical", vertical);
    v.FontGroup(*this);
    v.Boolean("progresstransparent", progresstransparent);
    v.Integer("progresstransparentcolor", progresstransparentcolor, 0);
    v.Boolean("progressstretch", progressstretch);
    v.Rect("animationskinrect", animationskinrect);
    v.Integer("animationcountframes", animationcountframes, 0);
    v.Integer("animationtimerinterval", animationtimerinterval, 0);
    v.Rect("progressanimationskinrect", progressanimationskinrect);
    v.Integer("progressanimationcountframes", progressanimationcountframes, 0);
    v.Integer("progressanimationtimerinterval", progressanimationtimerinterval, 0);
    v.Integer("animationbeginoffset", animationbeginoffset, 0);
    v.Integer("animationendoffset", animationendoffset, 0);
}
