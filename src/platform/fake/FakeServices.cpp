#include "FakeServices.h"

namespace platform::fake
{

QString MemorySettings::path(const QString& application, const QString& section, const QString& key)
{
    return application + u'/' + section + u'/' + key;
}

QString MemorySettings::read(const QString& application, const QString& section, const QString& key)
{
    if (!readable)
        throw std::runtime_error("unreadable settings");
    return values.value(path(application, section, key));
}

bool MemorySettings::write(const QString& application, const QString& section, const QString& key,
                           const QString& value)
{
    if (!writable)
        return false;
    ++writes;
    values.insert(path(application, section, key), value);
    return true;
}

float ScriptedRandom::next()
{
    if (onNext)
        onNext();
    if (queued.empty())
        return fallback;
    const float value = queued.front();
    queued.pop_front();
    return value;
}

MessageBoxes::Answer ScriptedMessageBoxes::show(const QString& text, Icon icon, Buttons buttons,
                                                const QString& title)
{
    shown.append({text, icon, buttons, title});
    if (onShow)
        onShow(shown.last());
    if (buttons == Buttons::Ok)
        return Answer::Ok;
    if (answers.empty())
        return Answer::Yes;
    const Answer answer = answers.front();
    answers.pop_front();
    return answer;
}

QStringList ScriptedMessageBoxes::texts() const
{
    QStringList all;
    for (const Shown& box : shown)
        all.append(box.text);
    return all;
}

} // namespace platform::fake
