#include "browser/DownloadName.h"

#include <QDir>
#include <QFileInfo>

namespace {
constexpr qsizetype MaxNameLength = 160;

QString SafeName(const QString& suggested)
{
    QString name = suggested;
    name.replace(QLatin1Char('\\'), QLatin1Char('/'));
    name = name.mid(name.lastIndexOf(QLatin1Char('/')) + 1);
    name.removeIf([](QChar c) { return c.category() == QChar::Other_Control || c.category() == QChar::Other_Format; });
    while (name.startsWith(QLatin1Char('.')) || name.startsWith(QLatin1Char(' ')))
        name.remove(0, 1);
    name = name.trimmed();
    if (name.size() > MaxNameLength)
        name = name.right(MaxNameLength);  // keeps the extension
    return name.isEmpty() ? QStringLiteral("download") : name;
}

// Links count as taken, dangling ones too: nothing is ever written through them.
bool Occupied(const QDir& folder, const QString& name)
{
    const QFileInfo file(folder.filePath(name));
    return file.exists() || file.isSymLink();
}

QString Numbered(const QString& name, int number)
{
    if (number == 0)
        return name;
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    const QString stem = dot > 0 ? name.left(dot) : name;
    const QString extension = dot > 0 ? name.mid(dot) : QString();
    return stem + QStringLiteral(" (%1)").arg(number) + extension;
}
}  // namespace

QString FreeDownloadName(const QDir& folder, const QString& suggested, const QSet<QString>& taken)
{
    const QString name = SafeName(suggested);
    for (int number = 0;; ++number) {
        const QString candidate = Numbered(name, number);
        if (!taken.contains(candidate) && !Occupied(folder, candidate)
            && !Occupied(folder, PartialDownloadName(candidate)))
            return candidate;
    }
}

QString PartialDownloadName(const QString& name)
{
    return name + QStringLiteral(".part");
}
