#include "platform/TempDirectory.h"

#include "platform/PrivateDirectory.h"

#include <QDir>
#include <QFile>

QString TempDirectory;

QString GetTempDirectory()
{
    const QString base = PrivateRuntimeDirectory();
    if (base.isEmpty())
        return {};
    const QString path = base + QStringLiteral("/kestrune-temp/");
    if (path.size() >= 255 || !QDir().mkpath(path))
        return {};
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    return path;
}
