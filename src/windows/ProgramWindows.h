#pragma once
// The program's four windows and the services they use, handed to every window.

#include "FormSlot.h"
#include "Services.h"

#include <functional>

struct ProgramWindows {
    explicit ProgramWindows(platform::Services& services) : services(services) {}
    ProgramWindows(const ProgramWindows&) = delete;
    ProgramWindows& operator=(const ProgramWindows&) = delete;

    platform::Services& services;
    forms::FormCollection forms;
    forms::FormSlot frmMain{forms};
    forms::FormSlot frmDisplay{forms};
    forms::FormSlot frmAbout{forms};
    forms::FormSlot frmReferFriend{forms};
    // Run by Form_Unload of frmMain and of frmDisplay.
    std::function<void()> closeRule;
};
