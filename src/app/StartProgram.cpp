#include "StartProgram.h"

#include "Label.h"
#include "Program.h"
#include "ResumeNext.h"
#include "frmMain.h"
#include "modHelp.h"

#include <cmath>
#include <cstdint>

using platform::MessageBoxes;

void StartProgram(Program& program)
{
    platform::Services& services = program.services;
    if (services.instance.anotherInstanceRunning()) {
        // The running copy is left alone; nothing else of the start-up runs.
        services.messages.show(QStringLiteral("Application is already running"),
                               MessageBoxes::Icon::Information, MessageBoxes::Buttons::Ok);
        modHelp::UnloadAllAndEnd(program.forms, services.exit);
        return;
    }
    forms::ResumeNext([&] { services.random.seed(services.clock.seedValue()); },
                      // A failure inside the reminder ends the reminder, not the start-up.
                      [&] { modHelp::CheckUpdateReminder(services); },
                      [&] { program.frmMain.show(); }, [&] { CoBrand_Randomize(program); });
}

int CoBrandDraw(float r)
{
    // Single-precision arithmetic as the generator gives it; nearbyint rounds
    // half to even in the default rounding mode.
    const float scaled = r * 6.0f + 1.0f;
    return std::int16_t(std::nearbyint(scaled));
}

void CoBrand_Randomize(Program& program)
{
    const int x = CoBrandDraw(program.services.random.next());
    auto& window = program.frmMain.as<frmMain>();
    switch (x) {
    case 2:
    case 4:
    case 6:
        window.lblFullBrand->raise();
        break;
    case 1:
    case 3:
    case 5:
        window.lblCobrand->raise();
        break;
    default:
        // 7: the designed order stands, the co-brand offer on top.
        break;
    }
}
