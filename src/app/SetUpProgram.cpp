#include "SetUpProgram.h"

#include "Program.h"
#include "frmAbout.h"
#include "frmDisplay.h"
#include "frmMain.h"
#include "frmReferFriend.h"

void SetUpProgram(Program& program)
{
    program.frmMain.setFactory([&program] { return std::make_unique<frmMain>(program); });
    program.frmDisplay.setFactory([&program] { return std::make_unique<frmDisplay>(program); });
    program.frmAbout.setFactory([&program] { return std::make_unique<frmAbout>(program); });
    program.frmReferFriend.setFactory(
        [&program] { return std::make_unique<frmReferFriend>(program); });
    // Closing the main or the result window brings up the refer-a-friend window.
    program.closeRule = [&program] { program.frmReferFriend.show(); };
}
