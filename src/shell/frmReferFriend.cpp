#include "frmReferFriend.h"

#include "Program.h"

frmReferFriend::frmReferFriend(Program& program)
    : Form(Frame::FixedSingle, 11115, 4725, QColor(255,255,255)), program_(program)
{
}
