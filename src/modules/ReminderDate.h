#pragma once
// The text form of the update reminder's date: the user's short date format
// with a four-digit year, or ISO 8601 when that form would not survive the
// settings shift or read back to the same date.

#include <QDate>
#include <QLocale>
#include <QString>

namespace reminderdate
{

// `format` with every two-digit year ("yy") widened to four digits ("yyyy");
// quoted literal text is left alone.
QString WidenYear(const QString& format);

// The text stored for `date` under `locale`; "" for an invalid date.
QString DateToText(const QDate& date, const QLocale& locale);

// Reads a stored text: the short format with a four-digit year, then the plain
// short format (a two-digit year falls in the century that puts the date
// nearest `today`), then ISO "yyyy-MM-dd". Invalid when none fits.
QDate TextToDate(const QString& text, const QLocale& locale, const QDate& today);

} // namespace reminderdate
