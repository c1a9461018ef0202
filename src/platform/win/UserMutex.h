#pragma once
// The Win32 side of the one-copy rule. Free of Qt, so that it can be built and
// run on its own under Windows or Wine.

#include <string>

namespace platform::win
{

// The string form of the current user's SID, or the USERNAME variable when the
// process token cannot be read.
std::wstring currentUserIdentity();

// The mutex name of one user in the session's "Local\" namespace. Backslashes in
// the identity become underscores: a kernel object's name may hold none after
// the namespace.
std::wstring userMutexName(std::wstring identity);

enum class MutexClaim {
    Taken,         // this process is the first holder
    HeldElsewhere, // another process holds the name
    Failed         // no mutex could be made
};

// Creates the mutex `name`. When taken, `handle` keeps it open until
// releaseMutex or the end of the process, which frees the name however the
// process ends.
MutexClaim claimMutex(const std::wstring& name, void*& handle);
void releaseMutex(void* handle);

} // namespace platform::win
