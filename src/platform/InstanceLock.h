#pragma once
// One copy of the program per user at a time.

#include "Services.h"

#include <QString>

namespace platform
{

// On Unix an exclusive flock on "tolvane.lock" in the user's runtime folder,
// held by an open descriptor until the process ends; the kernel drops it with
// the process however that ends, so no stale lock outlives a crash. On Windows
// a named mutex in the session's "Local\" namespace, named after the user.
//
// The first call takes the lock; later calls give the same answer. When the
// lock cannot be set up at all (no runtime folder, unwritable file), the answer
// is "not running": a broken environment never locks the user out.
class InstanceLock : public InstanceGuard
{
public:
    // `directory` is where the lock file lives; empty means the user's runtime
    // folder.
    explicit InstanceLock(QString directory = {});
    ~InstanceLock() override;
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    bool anotherInstanceRunning() override;

    // The lock file's name inside its folder.
    static QString fileName();

private:
    bool acquire();

    QString directory_;
    bool checked_ = false;
    bool another_ = false;
#ifdef Q_OS_WIN
    void* mutex_ = nullptr;
#else
    int fd_ = -1;
#endif
};

} // namespace platform
