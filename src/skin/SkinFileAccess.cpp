#include "skin/SkinFileAccess.h"

#include "skin/SkinError.h"

#include <QFile>

QByteArray SkinFileAccess::ReadAll(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw SkinError::CannotOpen(path, file.errorString());
    return file.readAll();
}

void SkinFileAccess::WriteAll(const QString& path, const QByteArray& data)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw SkinError::CannotOpen(path, file.errorString());
    if (file.write(data) != data.size())
        throw SkinError(QStringLiteral("Cannot write file \"%1\". %2").arg(path, file.errorString()));
}
