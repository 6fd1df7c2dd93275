#pragma once

#include <QFont>
#include <QString>

// A font whose line height (ascent + descent) is the given pixel height, the way skin and
// control fonts state their size: the largest pixel size whose line still fits.
QFont FontWithCellHeight(const QString& family, int cellHeight);

// A font of a height as the skin description and the controls state it: a positive height is
// the line height (FontWithCellHeight), a negative one the character height in pixels; 0
// leaves the family's default size.
QFont FontWithHeight(const QString& family, int height);

// A font for the texts of dialogs and menus, at a height as FontWithHeight reads it: the family
// asked for where the machine has it, else deliberately the CJK face the client installs
// (WenQuanYi Zen Hei) rather than whatever the desktop would substitute, which lacks Chinese;
// hinted fully, so that small Chinese stays crisp.
QFont InterfaceFont(const QString& family, int height);
