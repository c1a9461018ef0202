#pragma once
// Recording stand-ins for the platform seams, for tests.

#include "Services.h"

#include <QList>
#include <QMap>
#include <QStringList>

#include <deque>
#include <functional>
#include <stdexcept>

namespace platform::fake
{

// Records each address; with `fails` set it then throws, as a missing browser does.
class RecordingBrowser : public Browser
{
public:
    void open(const QString& address) override
    {
        opened.append(address);
        if (fails)
            throw std::runtime_error("no browser");
    }
    QStringList opened;
    bool fails = false;
};

class FixedInstanceGuard : public InstanceGuard
{
public:
    bool anotherInstanceRunning() override { return running; }
    bool running = false;
};

class MemorySettings : public SettingsStore
{
public:
    QString read(const QString& application, const QString& section, const QString& key) override;
    bool write(const QString& application, const QString& section, const QString& key,
               const QString& value) override;
    static QString path(const QString& application, const QString& section, const QString& key);

    QMap<QString, QString> values; // "application/section/key" -> value
    bool readable = true;          // else a read throws, as a broken store may
    bool writable = true;
    int writes = 0;
};

class FixedClock : public Clock
{
public:
    QDate today() override { return date; }
    quint32 seedValue() override { return seed; }
    QDate date{2026, 12, 5};
    quint32 seed = 12345;
};

// Gives the queued values in order, then `fallback`.
class ScriptedRandom : public RandomSource
{
public:
    void seed(quint32 value) override { seeds.append(value); }
    float next() override;
    std::deque<float> queued;
    float fallback = 0.0f;
    QList<quint32> seeds;
    std::function<void()> onNext; // told of each draw as it happens
};

class ScriptedMessageBoxes : public MessageBoxes
{
public:
    struct Shown {
        QString text;
        Icon icon;
        Buttons buttons;
        QString title;
    };
    Answer show(const QString& text, Icon icon, Buttons buttons, const QString& title) override;
    // Answers for Yes/No boxes, in order; Yes (the default) when none is queued.
    std::deque<Answer> answers;
    QList<Shown> shown;
    std::function<void(const Shown&)> onShow; // told of each box as it is shown
    QStringList texts() const;
};

class RecordingExit : public ProcessExit
{
public:
    void end() override { ++ends; }
    int ends = 0;
};

// All fakes together, ready to hand out as Services.
struct FakeServices {
    RecordingBrowser browser;
    FixedInstanceGuard instance;
    MemorySettings settings;
    FixedClock clock;
    ScriptedRandom random;
    ScriptedMessageBoxes messages;
    RecordingExit exit;
    Services services{browser, instance, settings, clock, random, messages, exit};
};

} // namespace platform::fake
