#include "platform/SafeFileWriter.h"

#include "platform/FileCreateError.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString systemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

} // namespace

void SafeFileWriter::write(const QString& path, QByteArrayView bytes)
{
    refuseForeignTarget(path);
    QByteArray temporary = QFile::encodeName(path) + ".XXXXXX";
    const int descriptor = mkostemp(temporary.data(), O_CLOEXEC);
    if (descriptor < 0)
        throw FileCreateError(path, systemReason(errno));
    try {
        writeTemporary(path, descriptor, bytes);
        if (::rename(temporary.constData(), QFile::encodeName(path).constData()) != 0)
            throw FileCreateError(path, systemReason(errno));
    } catch (...) {
        ::unlink(temporary.constData());
        throw;
    }
}

void SafeFileWriter::refuseForeignTarget(const QString& path)
{
    struct stat status {};
    if (::lstat(QFile::encodeName(path).constData(), &status) != 0)
        return;  // nothing there yet
    if (S_ISLNK(status.st_mode))
        throw FileCreateError(path, QStringLiteral("The path is a symbolic link."));
    if (!S_ISREG(status.st_mode))
        throw FileCreateError(path, QStringLiteral("The path is not a regular file."));
    if (status.st_uid != ::geteuid())
        throw FileCreateError(path, QStringLiteral("The file belongs to another user."));
}

void SafeFileWriter::writeTemporary(const QString& path, int descriptor, QByteArrayView bytes)
{
    const char* data = bytes.data();
    qsizetype remaining = bytes.size();
    while (remaining > 0) {
        const ssize_t written = ::write(descriptor, data, size_t(remaining));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            const int error = written < 0 ? errno : EIO;
            ::close(descriptor);
            throw FileCreateError(path, systemReason(error));
        }
        data += written;
        remaining -= written;
    }
    if (::close(descriptor) != 0)
        throw FileCreateError(path, systemReason(errno));
}
