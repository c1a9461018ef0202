#include "frmDisplay.h"

#include "Program.h"

frmDisplay::frmDisplay(Program& program)
    : Form(Frame::FixedSingle, 7455, 5520, QColor(62,189,238)), program_(program)
{
}
