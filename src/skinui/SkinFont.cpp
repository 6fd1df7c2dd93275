#include "skinui/SkinFont.h"

#include "skin/TbsSkinFontFields.h"
#include "skinui/CellHeightFont.h"

QFont SkinFont(const TbsSkinFontFields& fields)
{
    QFont font = FontWithHeight(fields.fontname, fields.fontheight);
    // Control texts are small: glyphs snapped to whole pixels stay crisp.
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setBold(fields.fontstyle.testFlag(TbsFontStyle::Bold));
    font.setItalic(fields.fontstyle.testFlag(TbsFontStyle::Italic));
    font.setUnderline(fields.fontstyle.testFlag(TbsFontStyle::Underline));
    font.setStrikeOut(fields.fontstyle.testFlag(TbsFontStyle::StrikeOut));
    return font;
}
