#pragma once
// Helpers shared by the tests.

#include "FakeServices.h"
#include "Program.h"

// A program wired as in production, with every platform service faked.
struct TestProgram {
    TestProgram();
    ~TestProgram();
    platform::fake::FakeServices fakes;
    Program program{fakes.services};
};

// Deletes windows whose deletion was deferred, as the event loop would.
void flushDeferredDeletes();

// The class names of the visible top-level windows; after flushDeferredDeletes()
// a test's cleanup expects none.
QStringList visibleWindows();
