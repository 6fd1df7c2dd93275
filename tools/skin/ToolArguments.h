#pragma once

#include <QString>

// A picture side given on the command line: a whole number from 1 to 16384. Anything else is
// refused (SkinToolUsageError) with what names the argument.
int ParseSide(const QString& text, const char* what);
