#include "UserMutex.h"

// windows.h first: sddl.h relies on the macros it defines.
#include <windows.h>

#include <sddl.h>

#include <vector>

namespace platform::win
{

std::wstring currentUserIdentity()
{
    std::wstring identity;
    HANDLE token = nullptr;
    if (OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) {
        DWORD size = 0;
        GetTokenInformation(token, TokenUser, nullptr, 0, &size);
        std::vector<unsigned char> buffer(size);
        if (size != 0 && GetTokenInformation(token, TokenUser, buffer.data(), size, &size)) {
            const auto* user = reinterpret_cast<const TOKEN_USER*>(buffer.data());
            LPWSTR text = nullptr;
            if (ConvertSidToStringSidW(user->User.Sid, &text)) {
                identity = text;
                LocalFree(text);
            }
        }
        CloseHandle(token);
    }
    if (identity.empty()) {
        wchar_t name[256];
        const DWORD length = GetEnvironmentVariableW(L"USERNAME", name, 256);
        if (length < 256)
            identity.assign(name, length);
    }
    return identity;
}

std::wstring userMutexName(std::wstring identity)
{
    for (wchar_t& c : identity) {
        if (c == L'\\')
            c = L'_';
    }
    return L"Local\\Tolvane-" + identity;
}

MutexClaim claimMutex(const std::wstring& name, void*& handle)
{
    HANDLE mutex = CreateMutexW(nullptr, FALSE, name.c_str());
    const DWORD error = GetLastError();
    if (!mutex)
        return MutexClaim::Failed;
    if (error == ERROR_ALREADY_EXISTS) {
        CloseHandle(mutex);
        return MutexClaim::HeldElsewhere;
    }
    handle = mutex;
    return MutexClaim::Taken;
}

void releaseMutex(void* handle)
{
    if (handle)
        CloseHandle(handle);
}

} // namespace platform::win
