#include "skin/TbsDataSkinStdButton.h"

#include "skin/SkinKeyVisitor.h"

QString TbsDataSkinStdButton::KindWord() const
{
    return QStringLiteral("stdbutton");
}

void TbsDataSkinStdButton::VisitKeys(SkinKeyVisitor& v)
{
    TbsDataSkinButton::VisitKeys(v);
    v.Command("command", command);
    v.Rect("restorerect", restorerect);
    v.Rect("restoreactiverect", restoreactiverect);
    v.Rect("restoredownrect", restoredownrect);
    v.Rect("restoreinactiverect", restoreinactiverect);
    v.Text("restorehint", restorehint, QString());
}

void TbsDataSkinStdButton::AfterRead()
{
    restorehint = RestoreHint(hint, command, restorehint);
}
