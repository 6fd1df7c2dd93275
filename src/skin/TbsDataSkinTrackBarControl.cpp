#include "skin/TbsDataSkinTrackBarControl.h"

#include "skin/SkinKeyVisitor.h"

QString TbsDataSkinTrackBarControl::KindWord() const
{
    return QStringLiteral("trackbar");
}

void TbsDataSkinTrackBarControl::VisitKeys(SkinKeyVisitor& v)
{
    TbsDataSkinCustomControl::VisitKeys(v);
    v.Rect("activeskinrect", activeskinrect);
    v.Rect("trackarea", trackarea);
    v.Rect("buttonrect", buttonrect);
    v.Rect("activebuttonrect", activebuttonrect);
    v.Boolean("vertical", vertical);
    v.Boolean("buttontransparent", buttontransparent);
    v.Integer("buttontransparentcolor", buttontransparentcolor, 0);
}
