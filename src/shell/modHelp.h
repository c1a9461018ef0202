#pragma once
// Web links, the update reminder and the end of the program.

#include "Services.h"

namespace forms {
class FormCollection;
}

namespace modHelp {

// Each hands one fixed address of the maker's web sites to the browser.
void OpenOnlineHelp(platform::Browser& browser);
void OpenHomePage(platform::Browser& browser);
void OpenDownloadPage(platform::Browser& browser);
void OpenDonatePage(platform::Browser& browser);
void OpenFullBrandPage(platform::Browser& browser);
void OpenCoBrandPage(platform::Browser& browser);
void OpenSoftwareLibrary(platform::Browser& browser);

// Unloads every loaded window in load order, then ends the process.
void UnloadAllAndEnd(forms::FormCollection& forms, platform::ProcessExit& exit);

} // namespace modHelp
