#include "TestSupport.h"

#include <QApplication>
#include <QEvent>
#include <QTest>
#include <QWidget>

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

QList<QWidget*> tabChain(QWidget* first)
{
    QList<QWidget*> chain{first};
    for (QWidget* w = first->nextInFocusChain(); w != first; w = w->nextInFocusChain())
        if ((w->focusPolicy() & Qt::TabFocus) && w->isVisible() && w->isEnabled())
            chain.append(w);
    return chain;
}

void WindowTest::cleanup()
{
    tp.reset();
    flushDeferredDeletes();
    QCOMPARE(visibleWindows(), QStringList());
}
