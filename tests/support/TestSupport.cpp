#include "TestSupport.h"

#include <QApplication>
#include <QTest>

void flushDeferredDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QStringList visibleWindows()
{
    QStringList names;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible())
            names.append(QString::fromLatin1(window->metaObject()->className()));
    return names;
}

void WindowTest::cleanup()
{
    tp.reset();
    flushDeferredDeletes();
    QCOMPARE(visibleWindows(), QStringList());
}
