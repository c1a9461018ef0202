// Only --help and --version are read from the command line; any other argument is ignored.

#include "RunProgram.h"

#include "Appearance.h"
#include "HasDisplay.h"
#include "InstanceLock.h"
#include "Program.h"
#include "ProgramIcon.h"
#include "SetUpProgram.h"
#include "StartProgram.h"
#include "SystemServices.h"
#include "UserSettingsStore.h"

#include <QApplication>

#include <cstdio>
#include <string_view>

namespace
{

const char Usage[] = "Usage: tolvane [--help | --version]\n"
                     "Tolvane finds the Zorivi astrology sign of a birth date.\n\n"
                     "  -h, --help     show this help and exit\n"
                     "  -v, --version  show the version and exit\n\n"
                     "Any other argument is ignored and the program starts as usual.\n";

} // namespace

int RunProgram(int argc, char* argv[], platform::MessageBoxes& messages)
{
    // Read by hand rather than with QCommandLineParser: these must answer without a
    // display, and unknown arguments must not be refused.
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--help" || argument == "-h")
            return std::fputs(Usage, stdout) < 0;
        if (argument == "--version" || argument == "-v")
            return std::puts("tolvane " TOLVANE_VERSION) < 0;
    }
    if (!hasDisplay()) {
        std::fprintf(stderr, "tolvane: no display available (DISPLAY and WAYLAND_DISPLAY are "
                             "unset or empty); start Tolvane from a graphical session.\n");
        return 1;
    }
    DisplayOpening opening(argc, argv);
    QApplication app(opening.argc(), opening.argv());
    opening.finish();
    // The desktop matches windows to the menu entry by this id: on X11 the window class
    // is the application name, on Wayland the app id is the desktop file name.
    QApplication::setApplicationName(QStringLiteral(TOLVANE_ID));
    QApplication::setDesktopFileName(QStringLiteral(TOLVANE_ID));
    // The program ends only through UnloadAllAndEnd, never because its last
    // window went away (the main window is hidden while the result shows).
    QApplication::setQuitOnLastWindowClosed(false);
    forms::useProgramStyle();
    QApplication::setWindowIcon(forms::programIcon());

    platform::DesktopBrowser browser;
    platform::InstanceLock instance;
    platform::UserSettingsStore settings;
    platform::SystemClock clock;
    platform::MersenneRandom random;
    platform::ImmediateExit exit;
    platform::Services services{browser, instance, settings, clock, random, messages, exit};

    Program program(services);
    SetUpProgram(program);
    StartProgram(program);
    return app.exec();
}
