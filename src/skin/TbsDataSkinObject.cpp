#include "skin/TbsDataSkinObject.h"

#include "skin/SkinKeyVisitor.h"

void TbsDataSkinObject::VisitKeys(SkinKeyVisitor& v)
{
    v.Text("hint", hint, QString());
    v.Integer("activepictureindex", activepictureindex, -1);
    v.Integer("activemaskpictureindex", activemaskpictureindex, -1);
    v.Boolean("skinrectinapicture", skinrectinapicture);
    v.Rect("skinrect", skinrect);
    v.Rect("activeskinrect", activeskinrect);
    v.Rect("inactiveskinrect", inactiveskinrect);
    v.Boolean("morphing", morphing);
    v.MorphKind("morphkind", morphkind);
    v.Integer("glowlayerpictureindex", glowlayerpictureindex, -1);
    v.Integer("glowlayermaskpictureindex", glowlayermaskpictureindex, -1);
    v.Integer("glowlayeroffsetx", glowlayeroffsetx, 0);
    v.Integer("glowlayeroffsety", glowlayeroffsety, 0);
    v.Integer("glowlayeralphablendvalue", glowlayeralphablendvalue, 255);
}

QString TbsDataSkinObject::RestoreHint(const QString& objectHint, TbsSkinCommand command, const QString& restoreHint)
{
    if (!restoreHint.isEmpty())
        return restoreHint;
    const bool restorable = (objectHint == u"Maximize" && command == TbsSkinCommand::Maximize)
        || (objectHint == u"Minimize" && command == TbsSkinCommand::Minimize)
        || ((objectHint == u"RollUp" || objectHint == u"Roll Up") && command == TbsSkinCommand::RollUp);
    return restorable ? QStringLiteral("Restore") : QString();
}
