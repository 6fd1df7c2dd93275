#include "skinui/SkinFont.h"

#include "skin/TbsSkinFontFields.h"
#include "skinui/CellHeightFont.h"

QFont SkinFont(const TbsSkinFontFields& fields)
{
    QFont font = FontWithHeight(fields.fontname, fields.fontheight);
    font.setBold(fields.fontstyle.testFlag(TbsFontStyle::Bold));
    font.setItalic(fields.fontstyle.testFlag(TbsFontStyle::Italic));
    font.setUnderline(fields.fontstyle.testFlag(TbsFontStyle::Underline));
    font.setStrikeOut(fields.fontstyle.testFlag(TbsFontStyle::StrikeOut));
    return font;
}
