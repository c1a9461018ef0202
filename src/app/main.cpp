// The program's entry: the real message boxes, everything else in RunProgram.

#include "QtMessageBoxes.h"
#include "RunProgram.h"

int main(int argc, char* argv[])
{
    forms::QtMessageBoxes messages;
    return RunProgram(argc, argv, messages);
}
