#include "platform/PrivateDirectory.h"

#include <QDir>
#include <QStandardPaths>
#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace {
// A directory that only this user can reach: not a link, owned by us, no access for others.
bool IsPrivateDirectory(const QByteArray& path)
{
    struct stat info {};
    return lstat(path.constData(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == geteuid()
        && (info.st_mode & 077) == 0;
}

QString OwnTemporaryDirectory()
{
    const QByteArray path = QDir::tempPath().toLocal8Bit() + "/kestrune-" + QByteArray::number(geteuid());
    if (mkdir(path.constData(), 0700) != 0 && errno != EEXIST)
        return {};
    return IsPrivateDirectory(path) ? QString::fromLocal8Bit(path) : QString();
}
}  // namespace

QString PrivateRuntimeDirectory()
{
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (!runtime.isEmpty() && IsPrivateDirectory(runtime.toLocal8Bit()))
        return runtime;
    return OwnTemporaryDirectory();
}
