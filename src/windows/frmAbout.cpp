#include "frmAbout.h"

#include "Program.h"

frmAbout::frmAbout(Program& program)
    : Form(Frame::FixedDialog, 6345, 3960, QColor(62,189,238)), program_(program)
{
}
