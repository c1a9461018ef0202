#pragma once
// Helpers shared by the tests.

#include "Appearance.h"
#include "FakeServices.h"
#include "Program.h"
#include "SetUpProgram.h"

#include <QObject>
#include <QTest>

#include <memory>

// Deletes windows whose deletion was deferred, as the event loop would.
void flushDeferredDeletes();

// A program wired and drawn as in production, with every platform service faked.
struct TestProgram {
    TestProgram()
    {
        forms::useProgramStyle();
        SetUpProgram(program);
    }
    ~TestProgram() { flushDeferredDeletes(); }
    platform::fake::FakeServices fakes;
    Program program{fakes.services};
};

// For a table of one column, "row": adds each row, named by its text.
void addRows(const QStringList& rows);
// The current row's cells, split at `separator`.
QStringList cells(QChar separator = u'|');

// The class names of the visible top-level windows.
QStringList visibleWindows();

// Base of the window tests: `tp` is the program under test; after each test
// it is discarded and no window may be left visible.
class WindowTest : public QObject
{
    Q_OBJECT
protected:
    std::unique_ptr<TestProgram> tp;
    // Shows `slot` of `tp`, made first when there is none, and waits until it is
    // active; the test fails if it never gets there.
    template <class Window> Window& open(forms::FormSlot ProgramWindows::*slot)
    {
        if (!tp)
            tp = std::make_unique<TestProgram>();
        (tp->program.*slot).show();
        auto& window = (tp->program.*slot).template as<Window>();
        window.activateWindow();
        if (!QTest::qWaitForWindowActive(&window))
            QTest::qFail("the window never became active", __FILE__, __LINE__);
        return window;
    }
private Q_SLOTS:
    void cleanup();
};
