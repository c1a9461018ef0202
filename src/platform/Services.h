#pragma once
// Everything the program needs from its environment, passed in one struct so
// that tests can swap any part of it.

#include <QDate>
#include <QString>

namespace platform
{

// Hands a web address to the desktop's default browser; the outcome is not reported.
class Browser
{
public:
    virtual ~Browser() = default;
    virtual void open(const QString& address) = 0;
};

// Whether another copy of the program already runs for this user.
class InstanceGuard
{
public:
    virtual ~InstanceGuard() = default;
    virtual bool anotherInstanceRunning() = 0;
};

// Per-user key/value store addressed by application name, section and key.
class SettingsStore
{
public:
    virtual ~SettingsStore() = default;
    // "" when the entry is absent or the store cannot be read.
    virtual QString read(const QString& application, const QString& section,
                         const QString& key) = 0;
    // false when the value could not be stored.
    virtual bool write(const QString& application, const QString& section, const QString& key,
                       const QString& value) = 0;
};

class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDate today() = 0;
    // A value that changes from one moment to the next, for seeding.
    virtual quint32 seedValue() = 0;
};

// The program's one random-number generator.
class RandomSource
{
public:
    virtual ~RandomSource() = default;
    virtual void seed(quint32 value) = 0;
    // Uniform in [0, 1); never 1.
    virtual float next() = 0;
};

// Modal message boxes.
class MessageBoxes
{
public:
    enum class Icon { Information, Critical };
    enum class Buttons { Ok, YesNo };
    enum class Answer { Ok, Yes, No };
    virtual ~MessageBoxes() = default;
    // Yes is the default button of a Yes/No box.
    virtual Answer show(const QString& text, Icon icon, Buttons buttons,
                        const QString& title = QStringLiteral("Tolvane")) = 0;
};

// Ends the process at once.
class ProcessExit
{
public:
    virtual ~ProcessExit() = default;
    virtual void end() = 0;
};

struct Services {
    Browser& browser;
    InstanceGuard& instance;
    SettingsStore& settings;
    Clock& clock;
    RandomSource& random;
    MessageBoxes& messages;
    ProcessExit& exit;
};

} // namespace platform
