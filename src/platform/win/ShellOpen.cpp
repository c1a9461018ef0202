#include "ShellOpen.h"

// windows.h first: shellapi.h relies on the types it defines.
#include <windows.h>

#include <shellapi.h>

namespace platform::win
{

bool shellOpen(const char* file)
{
    // Values above 32 mean success.
    const auto result = ShellExecuteA(nullptr, "Open", file, nullptr, "C:\\", SW_SHOWNORMAL);
    return reinterpret_cast<INT_PTR>(result) > 32;
}

} // namespace platform::win
