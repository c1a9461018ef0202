#include "TestSupport.h"

#include "SetUpProgram.h"

#include <QCoreApplication>
#include <QEvent>

TestProgram::TestProgram()
{
    SetUpProgram(program);
}

TestProgram::~TestProgram()
{
    flushDeferredDeletes();
}

void flushDeferredDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
