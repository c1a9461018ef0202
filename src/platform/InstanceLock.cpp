#include "InstanceLock.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#ifdef Q_OS_WIN
#include "win/UserMutex.h"
#else
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#endif

namespace platform
{

InstanceLock::InstanceLock(QString directory) : directory_(std::move(directory)) {}

InstanceLock::~InstanceLock()
{
#ifdef Q_OS_WIN
    win::releaseMutex(mutex_);
#else
    if (fd_ >= 0)
        ::close(fd_);
#endif
}

QString InstanceLock::fileName()
{
    return QStringLiteral("tolvane.lock");
}

bool InstanceLock::anotherInstanceRunning()
{
    if (!checked_) {
        checked_ = true;
        another_ = !acquire();
    }
    return another_;
}

#ifdef Q_OS_WIN

bool InstanceLock::acquire()
{
    // When no mutex can be made at all, this copy runs.
    const auto name = win::userMutexName(win::currentUserIdentity());
    return win::claimMutex(name, mutex_) != win::MutexClaim::HeldElsewhere;
}

#else

bool InstanceLock::acquire()
{
    QString directory = directory_;
    if (directory.isEmpty())
        directory = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (directory.isEmpty())
        return true;
    const QByteArray path = QFile::encodeName(QDir(directory).filePath(fileName()));

    // Close-on-exec, so that a browser started from here does not inherit the
    // lock and keep it after this copy has ended. The file is never removed:
    // removing it would let a later copy lock a new file beside a held one.
    int fd;
    do {
        fd = ::open(path.constData(), O_CREAT | O_RDWR | O_CLOEXEC | O_NOFOLLOW, 0600);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0)
        return true;

    int locked;
    do {
        locked = ::flock(fd, LOCK_EX | LOCK_NB);
    } while (locked != 0 && errno == EINTR);
    if (locked == 0) {
        fd_ = fd;
        return true;
    }
    const bool held = errno == EWOULDBLOCK;
    ::close(fd);
    // Any failure other than a lock held elsewhere lets this copy run.
    return !held;
}

#endif

} // namespace platform
