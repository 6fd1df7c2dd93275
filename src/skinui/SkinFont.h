#pragma once

#include <QFont>

struct TbsSkinFontFields;

// The font a skin object's font group names: family, line height in pixels and style.
QFont SkinFont(const TbsSkinFontFields& fields);
