#pragma once
// Helpers shared by the tests.

#include "FakeServices.h"
#include "Program.h"
#include "SetUpProgram.h"

#include <QObject>

#include <memory>

// Deletes windows whose deletion was deferred, as the event loop would.
void flushDeferredDeletes();

// A program wired as in production, with every platform service faked.
struct TestProgram {
    TestProgram() { SetUpProgram(program); }
    ~TestProgram() { flushDeferredDeletes(); }
    platform::fake::FakeServices fakes;
    Program program{fakes.services};
};

// The class names of the visible top-level windows.
QStringList visibleWindows();

// The controls that Tab visits, in order, starting from `first`.
QList<QWidget*> tabChain(QWidget* first);

// Base of the window tests: `tp` is the program under test; after each test
// it is discarded and no window may be left visible.
class WindowTest : public QObject
{
    Q_OBJECT
protected:
    std::unique_ptr<TestProgram> tp;
    // Shows `slot` of `tp`, made first when there is none.
    template <class Window> Window& open(forms::FormSlot Program::*slot)
    {
        if (!tp)
            tp = std::make_unique<TestProgram>();
        (tp->program.*slot).show();
        return (tp->program.*slot).template as<Window>();
    }
private Q_SLOTS:
    void cleanup();
};
