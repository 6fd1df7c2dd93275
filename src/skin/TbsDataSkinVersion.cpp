#include "skin/TbsDataSkinVersion.h"

#include "skin/SkinKeyVisitor.h"

TbsDataSkinVersion::TbsDataSkinVersion() : TbsDataSkinEntry(QStringLiteral("VERSION"))
{
    ResetToDefaults();
}

void TbsDataSkinVersion::VisitKeys(SkinKeyVisitor& v)
{
    v.Text("skinname", skinname, QString());
    v.Text("skinauthor", skinauthor, QString());
    v.Text("authoremail", authoremail, QString());
    v.Text("authorurl", authorurl, QString());
    v.Text("skincomments", skincomments, QString());
}
