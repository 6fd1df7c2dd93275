#pragma once

#include <QFlags>

// The enumerated value forms of the skin description. Their words are in SkinValueWords.

enum class TbsFontStyle { Bold = 0x1, Italic = 0x2, Underline = 0x4, StrikeOut = 0x8 };
Q_DECLARE_FLAGS(TbsFontStyles, TbsFontStyle)
Q_DECLARE_OPERATORS_FOR_FLAGS(TbsFontStyles)

enum class TbsSkinAlignment { LeftJustify, RightJustify, Center };

enum class TbsStretchType { Full = 0, Horz = 1, Vert = 2 };

enum class TbsMorphKind {
    Default = 0, Gradient = 1, LeftGradient = 2, RightGradient = 3, LeftSlide = 4, RightSlide = 5, Push = 6
};

enum class TbsInactiveEffect {
    Brightness = 0, Darkness = 1, Grayscale = 2, Noise = 3, SplitBlur = 4, Invert = 5
};

// Caption-button commands; Default issues no system command.
enum class TbsSkinCommand {
    Close = 0, Maximize = 1, Minimize = 2, SysMenu = 3, Default = 4, RollUp = 5, MinimizeToTray = 6
};
