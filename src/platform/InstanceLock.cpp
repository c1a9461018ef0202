#include "InstanceLock.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#ifdef Q_OS_WIN
#include <sddl.h>
#include <windows.h>
#else
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#endif

namespace platform
{

namespace
{

#ifdef Q_OS_WIN
// The string form of the current user's SID, or the user name when the token
// cannot be read.
QString userIdentity()
{
    QString identity;
    HANDLE token = nullptr;
    if (OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) {
        DWORD size = 0;
        GetTokenInformation(token, TokenUser, nullptr, 0, &size);
        QByteArray buffer(int(size), Qt::Uninitialized);
        if (size != 0 && GetTokenInformation(token, TokenUser, buffer.data(), size, &size)) {
            const auto* user = reinterpret_cast<const TOKEN_USER*>(buffer.constData());
            LPWSTR text = nullptr;
            if (ConvertSidToStringSidW(user->User.Sid, &text)) {
                identity = QString::fromWCharArray(text);
                LocalFree(text);
            }
        }
        CloseHandle(token);
    }
    if (identity.isEmpty())
        identity = qEnvironmentVariable("USERNAME");
    // Backslashes are not allowed in a kernel object's name after the namespace.
    identity.replace(u'\\', u'_');
    return identity;
}
#endif

} // namespace

InstanceLock::InstanceLock(QString directory) : directory_(std::move(directory)) {}

InstanceLock::~InstanceLock()
{
#ifdef Q_OS_WIN
    if (mutex_)
        CloseHandle(mutex_);
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
    const QString name = QStringLiteral("Local\\Tolvane-") + userIdentity();
    HANDLE mutex = CreateMutexW(nullptr, FALSE, reinterpret_cast<LPCWSTR>(name.utf16()));
    const DWORD error = GetLastError();
    if (!mutex)
        return true; // no mutex at all: let this copy run
    if (error == ERROR_ALREADY_EXISTS) {
        CloseHandle(mutex);
        return false;
    }
    // Kept open until the process ends; the system closes it then.
    mutex_ = mutex;
    return true;
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
