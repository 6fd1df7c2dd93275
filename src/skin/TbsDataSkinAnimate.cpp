#include "skin/TbsDataSkinAnimate.h"

#include "skin/SkinKeyVisitor.h"

QString TbsDataSkinAnimate::KindWord() const
{
    return QStringLiteral("animate");
}

void TbsDataSkinAnimate::VisitKeys(SkinKeyVisitor& v)
{
    TbsDataSkinObject::VisitKeys(v);
    v.Integer("countframes", countframes, 1);
    v.Boolean("cycle", cycle);
    v.Boolean("buttonstyle", buttonstyle);
    v.Integer("timerinterval", timerinterval, 50);
    v.Command("command", command);
    v.Rect("downskinrect", downskinrect);
    v.Rect("restorerect", restorerect);
    v.Rect("restoreactiverect", restoreactiverect);
    v.Rect("restoredownrect", restoredownrect);
    v.Rect("restoreinactiverect", restoreinactiverect);
    v.Text("restorehint", restorehint, QString());
}

void TbsDataSkinAnimate::AfterRead()
{
    morphing = false;
    restorehint = RestoreHint(hint, command, restorehint);
}
