#pragma once

#include <QFont>

struct TbsSkinFontFields;

// The font a skin object's font group names: family, height (FontWithHeight: a positive height
// is the line height in pixels, a negative one the character height) and style.
QFont SkinFont(const TbsSkinFontFields& fields);
