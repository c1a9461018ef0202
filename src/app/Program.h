#pragma once
// The running program: its windows wired to one another and to the platform services.

#include "ProgramWindows.h"

struct Program : ProgramWindows {
    using ProgramWindows::ProgramWindows;
};
