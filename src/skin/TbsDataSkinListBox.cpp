#include "skin/TbsDataSkinListBox.h"

#include "skin/SkinKeyVisitor.h"

QString TbsDataSkinListBox::KindWord() const
{
    return QStringLiteral("listbox");
}

void TbsDataSkinListBox::VisitKeys(SkinKeyVisitor& v)
{
    TbsDataSkinCustomControl::VisitKeys(v);
    v.Rect("itemrect", itemrect);
    v.Rect("activeitemrect", activeitemrect);
    v.Rect("focusitemrect", focusitemrect);
    v.Integer("itemleftoffset", itemleftoffset, 0);
    v.Integer("itemrightoffset", itemrightoffset, 0);
    v.Rect("itemtextrect", itemtextrect);
    v.FontGroup(*this);
    v.Integer("activefontcolor", activefontcolor, 0);
    v.Integer("focusfontcolor", focusfontcolor, 0);
    v.Rect("captionrect", captionrect);
    v.Text("captionfontname", captionfontname, QStringLiteral("Arial"));
    v.Integer("captionfontheight", captionfontheight, 14);
    v.FontStyle("captionfontstyle", captionfontstyle);
    v.Integer("captionfontcolor", captionfontcolor, 0);
    v.ArrowButtonRects(upbuttonrect, activeupbuttonrect, downupbuttonrect, downbuttonrect, activedownbuttonrect, downdownbuttonrect);
    v.Rect("checkbuttonrect", checkbuttonrect);
    v.Rect("activecheckbuttonrect", activecheckbuttonrect);
    v.Rect("downcheckbuttonrect", downcheckbuttonrect);
    v.Text("vscrollbarname", vscrollbarname, QStringLiteral("vscrollbar"));
    v.Text("hscrollbarname", hscrollbarname, QStringLiteral("hscrollbar"));
    v.Text("bothhscrollbarname", bothhscrollbarname, QStringLiteral("bothhscrollbar"));
    v.Boolean("showfocus", showfocus);
    v.Rect("disabledbuttonsrect", disabledbuttonsrect);
    v.Rect("buttonsarea", buttonsarea);
}
