#include "TestSupport.h"

#include <QApplication>
#include <QTest>

void flushDeferredDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void addRows(const QStringList& rows)
{
    QTest::addColumn<QString>("row");
    for (const QString& row : rows)
        QTest::newRow(qPrintable(row)) << row;
}

QStringList cells(QChar separator)
{
    QFETCH(QString, row);
    return row.split(separator);
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
