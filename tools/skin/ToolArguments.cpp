#include "ToolArguments.h"

#include "SkinToolUsageError.h"

namespace {
constexpr int kMaxSide = 16384;
}

int ParseSide(const QString& text, const char* what)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < 1 || value > kMaxSide)
        throw SkinToolUsageError(QStringLiteral("%1 must be a whole number from 1 to %2, not \"%3\"")
                                     .arg(QLatin1String(what))
                                     .arg(kMaxSide)
                                     .arg(text));
    return value;
}
