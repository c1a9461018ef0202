#pragma once
// The whole run of the program, from the command line to the end of its event loop.

namespace platform
{
class MessageBoxes;
}

// Answers --help and --version, refuses to start without a display, then builds
// the application with the real platform services and `messages`, starts the
// program and runs its event loop. Returns the process's exit status.
int RunProgram(int argc, char* argv[], platform::MessageBoxes& messages);
