#pragma once
// One search and one Back through the program's own buttons, in-process: the
// cycle that both the timing and the soak repeat, and the program they run in.

#include "FakeServices.h"
#include "Program.h"

namespace bench
{

// Before the application is made: the offscreen platform unless another is
// named, and Qt's notes silenced (the offscreen platform's, that it cannot
// raise windows, would be timed too).
void useQuietPlatform();

// The program started with faked services and "ADA" in its name box; the
// application must exist and must not quit when its last window hides.
struct StartedProgram {
    StartedProgram();
    platform::fake::FakeServices fakes;
    Program program{fakes.services};
};

// Picks the `n`th date of a fixed walk through the lists, so that each search
// finds its own sign.
void pickDate(Program& program, int n);
// Presses the find button until the result window shows its texts.
bool find(Program& program);
// Presses Back until the main window shows again, alone.
bool back(Program& program);

} // namespace bench
