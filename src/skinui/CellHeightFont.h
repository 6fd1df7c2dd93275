#pragma once

#include <QFont>
#include <QString>

// A font whose line height (ascent + descent) is the given pixel height, the way skin and
// control fonts state their size: the largest pixel size whose line still fits.
QFont FontWithCellHeight(const QString& family, int cellHeight);
