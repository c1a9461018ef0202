#include "FindAndBack.h"

#include "SetUpProgram.h"
#include "StartProgram.h"
#include "frmDisplay.h"
#include "frmMain.h"

#include <QApplication>
#include <QElapsedTimer>

namespace bench
{

namespace
{

// Runs pending events, deferred deletes included, as the event loop would run
// them right after a click, until `done` holds; false after five seconds.
template <class Condition> bool settle(Condition done)
{
    QElapsedTimer limit;
    limit.start();
    do {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
        if (done())
            return true;
    } while (limit.elapsed() < 5000);
    return false;
}

} // namespace

void useQuietPlatform()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
}

StartedProgram::StartedProgram()
{
    QApplication::setQuitOnLastWindowClosed(false);
    SetUpProgram(program);
    StartProgram(program);
    program.frmMain.as<frmMain>().txtName->setText(QStringLiteral("ADA"));
}

void pickDate(Program& program, int n)
{
    auto& main = program.frmMain.as<frmMain>();
    main.cboDate->setCurrentIndex(n % 28);
    main.cboMonth->setCurrentIndex(n % 12);
    main.cboYear->setCurrentIndex(n % main.cboYear->count());
}

bool find(Program& program)
{
    program.frmMain.as<frmMain>().cmdNext->click();
    return settle([&] {
        return program.frmDisplay.isLoaded() && program.frmDisplay.form().isVisible() &&
               !program.frmDisplay.as<frmDisplay>().lblDudizuSign->text().isEmpty();
    });
}

bool back(Program& program)
{
    program.frmDisplay.as<frmDisplay>().cmdBack->click();
    return settle([&] {
        return program.frmMain.form().isVisible() && !program.frmDisplay.isLoaded() &&
               !(program.frmReferFriend.isLoaded() && program.frmReferFriend.form().isVisible());
    });
}

} // namespace bench
