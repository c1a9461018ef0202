#pragma once
// One search and one Back through the program's own buttons, in-process: the
// cycle that both the timing and the soak repeat.

struct Program;

namespace bench
{

// Picks the `n`th date of a fixed walk through the lists, so that each search
// finds its own sign.
void pickDate(Program& program, int n);
// Presses the find button until the result window shows its texts.
bool find(Program& program);
// Presses Back until the main window shows again, alone.
bool back(Program& program);

} // namespace bench
