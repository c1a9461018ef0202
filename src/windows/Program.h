#pragma once
// The program's windows and services, handed to every window.

#include "FormSlot.h"
#include "Services.h"

#include <functional>

struct Program {
    explicit Program(platform::Services& services) : services(services) {}
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    platform::Services& services;
    forms::FormCollection forms;
    forms::FormSlot frmMain{forms};
    forms::FormSlot frmDisplay{forms};
    forms::FormSlot frmAbout{forms};
    forms::FormSlot frmReferFriend{forms};
    // Run by Form_Unload of frmMain and of frmDisplay.
    std::function<void()> closeRule;
};
