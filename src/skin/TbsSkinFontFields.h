#pragma once

#include "skin/SkinValueTypes.h"

#include <QString>

// The font group that many skin objects carry: the keys "fontname", "fontheight",
// "fontstyle" and "fontcolor", each in a field named after its key.
struct TbsSkinFontFields {
    QString fontname;
    int fontheight{};
    TbsFontStyles fontstyle{};
    int fontcolor{};
};
