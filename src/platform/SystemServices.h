#pragma once
// The real implementations of the platform seams.

#include "Services.h"

#include <random>

namespace platform
{

// ShellExecuteA "Open" on Windows, QDesktopServices elsewhere.
class DesktopBrowser : public Browser
{
public:
    void open(const QString& address) override;
};

class SystemClock : public Clock
{
public:
    QDate today() override;
    quint32 seedValue() override;
};

class MersenneRandom : public RandomSource
{
public:
    void seed(quint32 value) override;
    float next() override;

private:
    std::mt19937 engine_;
};

class ImmediateExit : public ProcessExit
{
public:
    void end() override;
};

} // namespace platform
