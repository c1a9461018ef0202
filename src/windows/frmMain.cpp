#include "frmMain.h"

#include "Program.h"

frmMain::frmMain(Program& program)
    : Form(Frame::FixedSingle, 7485, 5910, QColor(62,189,238)), program_(program)
{
}
