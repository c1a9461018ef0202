#include "TestSupport.h"

#include "SetUpProgram.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

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

QStringList visibleWindows()
{
    QStringList names;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible())
            names.append(QString::fromLatin1(window->metaObject()->className()));
    }
    return names;
}
