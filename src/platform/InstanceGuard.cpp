#include "platform/InstanceGuard.h"

#include "platform/PrivateDirectory.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

std::unique_ptr<InstanceGuard> InstanceMutex;

InstanceGuard::Outcome InstanceGuard::Acquire(const QString& name, std::unique_ptr<InstanceGuard>& guard)
{
    guard.reset();
    const QString directory = PrivateRuntimeDirectory();
    if (directory.isEmpty())
        return Outcome::Unavailable;
    const QByteArray path = (directory + QLatin1Char('/') + name + QStringLiteral(".lock")).toLocal8Bit();
    const int fd = open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0)
        return Outcome::Unavailable;
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const bool held = errno == EWOULDBLOCK;
        close(fd);
        return held ? Outcome::HeldElsewhere : Outcome::Unavailable;
    }
    guard.reset(new InstanceGuard(fd));
    return Outcome::Acquired;
}

InstanceGuard::~InstanceGuard()
{
    Release();
}

void InstanceGuard::Release()
{
    if (fd_ < 0)
        return;
    flock(fd_, LOCK_UN);
    close(fd_);
    fd_ = -1;
}
