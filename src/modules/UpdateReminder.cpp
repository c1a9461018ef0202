#include "UpdateReminder.h"

#include "ReminderDate.h"
#include "modHelp.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace modHelp
{

namespace
{

const QString Section = QStringLiteral("Settings");
constexpr qint64 QuietDays = 14;

} // namespace

QString ReminderApplicationName()
{
    const QString name = QCoreApplication::instance()
                             ? QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName()
                             : QString();
    return name.isEmpty() ? QStringLiteral("tolvane") : name;
}

QString UpdateQuestionText()
{
    return QStringLiteral("There maybe an update to this software available") + u'\r' +
           QStringLiteral("Do you want to check for an update?");
}

void CheckUpdateReminder(platform::Services& services, const QLocale& locale)
{
    const QString application = ReminderApplicationName();
    const QString key = EncodeSetting(QStringLiteral("Duration"));
    const QDate today = services.clock.today();
    if (!today.isValid())
        return;
    const QString storedDate = DecodeSetting(services.settings.read(application, Section, key));
    const QString todayText = EncodeSetting(reminderdate::DateToText(today, locale));

    if (storedDate.isEmpty()) {
        services.settings.write(application, Section, key, todayText);
        return;
    }

    // A value that does not read as a date ends the reminder without a word,
    // and stays as it is.
    const QDate lastAsked = reminderdate::TextToDate(storedDate, locale, today);
    if (!lastAsked.isValid())
        return;
    const qint64 days = lastAsked.daysTo(today);
    if (days >= -QuietDays && days <= QuietDays)
        return;

    const platform::MessageBoxes::Answer answer =
        services.messages.show(UpdateQuestionText(), platform::MessageBoxes::Icon::Information,
                               platform::MessageBoxes::Buttons::YesNo, QStringLiteral("Tolvane"));
    if (!services.settings.write(application, Section, key, todayText))
        return;
    if (answer == platform::MessageBoxes::Answer::Yes)
        OpenDownloadPage(services.browser);
}

void CheckUpdateReminder(platform::Services& services)
{
    CheckUpdateReminder(services, QLocale::system());
}

} // namespace modHelp
