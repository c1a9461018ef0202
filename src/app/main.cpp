// The program's entry: real platform services, the windows, and the start-up.
// No command-line arguments are used.

#include "FileSettingsStore.h"
#include "HasDisplay.h"
#include "InstanceLock.h"
#include "Program.h"
#include "ProgramIcon.h"
#include "QtMessageBoxes.h"
#include "SetUpProgram.h"
#include "StartProgram.h"
#include "SystemServices.h"

#include <QApplication>
#include <QStyleFactory>

#include <cstdio>

int main(int argc, char* argv[])
{
    if (!hasDisplay()) {
        std::fprintf(stderr, "tolvane: no display available (DISPLAY and WAYLAND_DISPLAY are "
                             "unset); start Tolvane from a graphical session.\n");
        return 1;
    }
    QApplication app(argc, argv);
    // The program ends only through UnloadAllAndEnd, never because its last
    // window went away (the main window is hidden while the result shows).
    QApplication::setQuitOnLastWindowClosed(false);
    // Fusion honours the windows' own button faces and colours on every desktop.
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion")))
        QApplication::setStyle(fusion);
    QApplication::setWindowIcon(forms::programIcon());

    platform::DesktopBrowser browser;
    platform::InstanceLock instance;
    platform::FileSettingsStore settings;
    platform::SystemClock clock;
    platform::MersenneRandom random;
    forms::QtMessageBoxes messages;
    platform::ImmediateExit exit;
    platform::Services services{browser, instance, settings, clock, random, messages, exit};

    Program program(services);
    SetUpProgram(program);
    StartProgram(program);
    return app.exec();
}
