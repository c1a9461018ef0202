#pragma once
// Pieces of the update reminder that the start-up does not need but the tests do.

#include "Services.h"

#include <QLocale>
#include <QString>

namespace modHelp
{

// The settings store's application name: the executable's file name without
// its extension, or "tolvane" when that is unknown.
QString ReminderApplicationName();

// The question of the reminder, its two lines broken by a carriage return.
QString UpdateQuestionText();

// CheckUpdateReminder with the date texts in `locale` instead of the user's.
void CheckUpdateReminder(platform::Services& services, const QLocale& locale);

} // namespace modHelp
