#include "skin/TbsDataSkinSlider.h"

#include "skin/SkinKeyVisitor.h"

QString TbsDataSkinSlider::KindWord() const
{
    return QStringLiteral("slider");
}

void TbsDataSkinSlider::VisitKeys(SkinKeyVisitor& v)
{
    TbsDataSkinControl::VisitKeys(v);
    v.Integer("bgcolor", bgcolor, 0);
    v.Rect("hrulerrect", hrulerrect);
    v.Rect("hthumbrect", hthumbrect);
    v.Rect("vrulerrect", vrulerrect);
    v.Rect("vthumbrect", vthumbrect);
    v.Integer("edgesize", edgesize, 0);
    v.Integer("pointscolor", pointscolor, 0);
}
