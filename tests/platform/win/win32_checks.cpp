// Runs the Win32 pieces on Windows or under Wine, without Qt. Started with one
// argument, it is the other process: it claims that identity's mutex, sets the
// event "ready" and stays until the event "stop" or its own end.
#include "win/ShellOpen.h"
#include "win/UserMutex.h"

#include <windows.h>

#include <cstdio>
#include <fstream>

using namespace platform::win;

static HANDLE ready = CreateEventW(nullptr, FALSE, FALSE, L"Local\\TolvaneCheck-ready");
static HANDLE stop = CreateEventW(nullptr, FALSE, FALSE, L"Local\\TolvaneCheck-stop");
static int passed = 0, failed = 0;

static void check(bool ok, const char* what)
{
    std::printf("%s: %s\n", ok ? "PASS" : "FAIL", what);
    ++(ok ? passed : failed);
}

// True when this process can take the mutex of `identity`; it lets go at once.
static bool takes(const std::wstring& identity)
{
    void* handle = nullptr;
    const bool taken = claimMutex(userMutexName(identity), handle) == MutexClaim::Taken;
    releaseMutex(handle);
    return taken;
}

// Another process holding the mutex of `identity`; nullptr when it did not take it.
static HANDLE startHolder(const std::wstring& identity)
{
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring command = L"\"" + std::wstring(self) + L"\" " + identity;
    STARTUPINFOW startup;
    GetStartupInfoW(&startup);
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(self, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return nullptr;
    CloseHandle(process.hThread);
    return WaitForSingleObject(ready, 20000) == WAIT_OBJECT_0 ? process.hProcess : nullptr;
}

int wmain(int argc, wchar_t** argv)
{
    void* held = nullptr;
    if (argc == 2)
        return claimMutex(userMutexName(argv[1]), held) == MutexClaim::Taken && SetEvent(ready)
                   ? WaitForSingleObject(stop, 30000)
                   : 1;
    const std::wstring user = currentUserIdentity(), other = L"S-1-5-21-1-2-3-1001";
    check(user.rfind(L"S-1-", 0) == 0, "the identity is the user's SID");
    check(userMutexName(L"A\\B").find(L'\\', 6) == std::wstring::npos && takes(L"A\\B"),
          "no backslash after the namespace");
    HANDLE holder = startHolder(user);
    check(holder && !takes(user), "a second process is refused while the first holds the mutex");
    check(holder && takes(other), "another user's identity is not blocked");
    SetEvent(stop);
    check(holder && WaitForSingleObject(holder, 20000) == WAIT_OBJECT_0 && takes(user),
          "free again once the holder has ended");
    holder = startHolder(user);
    check(holder && TerminateProcess(holder, 9) &&
              WaitForSingleObject(holder, 20000) == WAIT_OBJECT_0 && takes(user),
          "free again once the holder was killed");

    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    const std::string probe = self + std::string(".bat"), out = self + std::string(".txt");
    DeleteFileA(out.c_str());
    std::ofstream(probe) << "@cd > \"" << out << "\"\r\n";
    std::string folder;
    for (int i = 0; i < 200 && folder.empty() && (i > 0 || shellOpen(probe.c_str()));
         ++i, Sleep(100))
        std::ifstream(out) >> folder;
    check(folder == "C:\\", "the shell opens a file with C:\\ as its folder");
    std::printf("%d passed, %d failed\n", passed, failed);
    return failed == 0 ? 0 : 1;
}
