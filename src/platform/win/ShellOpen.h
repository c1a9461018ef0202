#pragma once
// The Win32 hand-off of a web address to the user's browser. Free of Qt, so
// that it can be built and run on its own under Windows or Wine.

namespace platform::win
{

// ShellExecuteA with the verb "Open", no parameters, C:\ as the working folder
// and a normal window. True when the shell took `file`.
bool shellOpen(const char* file);

} // namespace platform::win
