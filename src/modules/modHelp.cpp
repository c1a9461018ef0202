#include "modHelp.h"

#include "FormSlot.h"
#include "ResumeNext.h"
#include "WebAddresses.h"

namespace modHelp
{

void OpenOnlineHelp(platform::Browser& browser)
{
    browser.open(webaddress::OnlineHelp);
}

void OpenHomePage(platform::Browser& browser)
{
    browser.open(webaddress::HomePage);
}

void OpenDownloadPage(platform::Browser& browser)
{
    browser.open(webaddress::DownloadPage);
}

void OpenDonatePage(platform::Browser& browser)
{
    browser.open(webaddress::DonatePage);
}

void OpenFullBrandPage(platform::Browser& browser)
{
    browser.open(webaddress::FullBrandPage);
}

void OpenCoBrandPage(platform::Browser& browser)
{
    browser.open(webaddress::CoBrandPage);
}

void OpenSoftwareLibrary(platform::Browser& browser)
{
    browser.open(webaddress::SoftwareLibrary);
}

void UnloadAllAndEnd(forms::FormCollection& forms, platform::ProcessExit& exit)
{
    // A window's Form_Unload may load or show another window, call this again
    // or fail; none of that keeps the program alive.
    for (forms::FormSlot* slot : forms.loaded())
        forms::ResumeNext([slot] { slot->unload(); });
    exit.end();
}

} // namespace modHelp
