#pragma once

struct Program;

// Gives every window slot of `program` its window and installs the close rule.
void SetUpProgram(Program& program);
