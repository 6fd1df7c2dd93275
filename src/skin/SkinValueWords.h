#pragma once

#include "skin/SkinValueTypes.h"

#include <QString>

// Words of the enumerated value forms. Words compare exactly, letter case included; a text that
// is none of a form's words gives that form's fallback value.
class SkinValueWords {
public:
    static TbsFontStyles FontStyle(const QString& text);
    static QString FontStyleWord(TbsFontStyles style);

    static TbsSkinAlignment Alignment(const QString& text);
    static QString AlignmentWord(TbsSkinAlignment alignment);

    static TbsStretchType StretchType(const QString& text);
    static QString StretchTypeWord(TbsStretchType type);

    static TbsMorphKind MorphKind(const QString& text);
    static QString MorphKindWord(TbsMorphKind kind);

    static TbsInactiveEffect InactiveEffect(const QString& text);
    static QString InactiveEffectWord(TbsInactiveEffect effect);

    static TbsSkinCommand Command(const QString& text);
    static QString CommandWord(TbsSkinCommand command);
};
