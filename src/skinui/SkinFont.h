#pragma once

#include <QFont>

struct TbsSkinFontFields;

// The font a skin object's font group describes: its name, height (FontWithHeight) and style.
QFont SkinFontOf(const TbsSkinFontFields& fields);
