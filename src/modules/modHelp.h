#pragma once
// Web links, the update reminder and the end of the program.

#include "Services.h"

#include <QString>

namespace forms
{
class FormCollection;
}

namespace modHelp
{

// Each hands one fixed address of the maker's web sites to the browser.
void OpenOnlineHelp(platform::Browser& browser);
void OpenHomePage(platform::Browser& browser);
void OpenDownloadPage(platform::Browser& browser);
void OpenDonatePage(platform::Browser& browser);
void OpenFullBrandPage(platform::Browser& browser);
void OpenCoBrandPage(platform::Browser& browser);
void OpenSoftwareLibrary(platform::Browser& browser);

// At start-up, at most once every fifteen days, asks whether to look for an
// update and on Yes opens the download page. Keeps the date of the last
// question in the settings store.
void CheckUpdateReminder(platform::Services& services);

// Shift every character's Windows-1252 code by +85 (Encode) or -85 (Decode);
// a character whose shifted code leaves 0..255 is dropped.
QString EncodeSetting(const QString& text);
QString DecodeSetting(const QString& text);

// Unloads every loaded window in load order, then ends the process.
void UnloadAllAndEnd(forms::FormCollection& forms, platform::ProcessExit& exit);

} // namespace modHelp
