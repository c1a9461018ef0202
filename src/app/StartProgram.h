#pragma once
// The start of the program.

struct Program;

// Refuses a second copy (message, then the end of the program), seeds the
// random-number generator, runs the update reminder, shows the main window and
// decides which of its two offer labels lies on top.
void StartProgram(Program& program);

// Brings the fully-branded or the co-brand offer of frmMain to the top at
// random: each in half of all starts.
void CoBrand_Randomize(Program& program);

// The whole number 1..7 that a draw r of [0, 1) turns into: r * 6 + 1
// rounded to the nearest, an exact half going to the even neighbour.
int CoBrandDraw(float r);
