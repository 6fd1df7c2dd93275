#include "skin/TbsSkinColors.h"

#include "skin/SkinKeyVisitor.h"

namespace {
constexpr int SystemColor(int index)
{
    return int(0xFF000000u | quint32(index));
}
} // namespace

TbsSkinColors::TbsSkinColors() : TbsDataSkinEntry(QStringLiteral("SKINCOLORS")) {}

void TbsSkinColors::VisitKeys(SkinKeyVisitor& v)
{
    v.Integer("cbtnface", cbtnface, SystemColor(0x0F));
    v.Integer("cbtntext", cbtntext, SystemColor(0x12));
    v.Integer("cwindow", cwindow, SystemColor(0x05));
    v.Integer("cwindowtext", cwindowtext, SystemColor(0x08));
    v.Integer("chighlight", chighlight, SystemColor(0x0D));
    v.Integer("chighlighttext", chighlighttext, SystemColor(0x0E));
    v.Integer("cbtnhighlight", cbtnhighlight, SystemColor(0x14));
    v.Integer("cbtnshadow", cbtnshadow, SystemColor(0x10));
}
