#include "ReminderDate.h"

#include "modHelp.h"

#include <QCalendar>

#include <cstdlib>

namespace reminderdate
{

namespace
{

const QString IsoFormat = QStringLiteral("yyyy-MM-dd");

QString ShortFormat(const QLocale& locale)
{
    return locale.dateFormat(QLocale::ShortFormat);
}

// Whether `format` holds a year field of exactly two letters outside quotes.
bool HasTwoDigitYear(const QString& format)
{
    return WidenYear(format) != format;
}

// Qt reads "yy" as 19yy. Reading in the Julian calendar, where 1900 is a leap
// year, keeps 29 February of a year ending in 00; the year's last two digits and
// the month and day are then placed in the century nearest to `today`.
QDate ReadTwoDigitYear(const QString& text, const QLocale& locale, const QString& format,
                       const QDate& today)
{
    const QCalendar julian(QCalendar::System::Julian);
    const QDate read = locale.toDate(text, format, julian);
    if (!read.isValid())
        return {};
    const QCalendar::YearMonthDay parts = julian.partsFromDate(read);
    const int twoDigits = ((parts.year % 100) + 100) % 100;
    const int century = today.year() - ((today.year() % 100) + 100) % 100;
    QDate best;
    for (int base : {century - 100, century, century + 100}) {
        const QDate candidate(base + twoDigits, parts.month, parts.day);
        if (!candidate.isValid())
            continue;
        if (!best.isValid() || std::llabs(candidate.daysTo(today)) < std::llabs(best.daysTo(today)))
            best = candidate;
    }
    return best;
}

} // namespace

QString WidenYear(const QString& format)
{
    QString result;
    result.reserve(format.size() + 2);
    bool quoted = false;
    for (qsizetype i = 0; i < format.size();) {
        const QChar c = format.at(i);
        if (c == u'\'') {
            quoted = !quoted;
            result.append(c);
            ++i;
            continue;
        }
        if (quoted || c != u'y') {
            result.append(c);
            ++i;
            continue;
        }
        qsizetype run = 0;
        while (i + run < format.size() && format.at(i + run) == u'y')
            ++run;
        result.append(QString(run == 2 ? 4 : run, u'y'));
        i += run;
    }
    return result;
}

QString DateToText(const QDate& date, const QLocale& locale)
{
    if (!date.isValid())
        return {};
    const QString text = locale.toString(date, WidenYear(ShortFormat(locale)));
    // Month names, other digits or marks outside Windows-1252 would be lost in
    // the shift; then, and whenever the text would not read back, ISO it is.
    if (!text.isEmpty() && modHelp::DecodeSetting(modHelp::EncodeSetting(text)) == text &&
        TextToDate(text, locale, date) == date)
        return text;
    return date.toString(IsoFormat);
}

QDate TextToDate(const QString& text, const QLocale& locale, const QDate& today)
{
    if (text.isEmpty())
        return {};
    const QString format = ShortFormat(locale);
    const QDate wide = locale.toDate(text, WidenYear(format));
    if (wide.isValid())
        return wide;
    // Without a two-digit year the plain format is the one just tried.
    if (HasTwoDigitYear(format) && today.isValid()) {
        const QDate narrow = ReadTwoDigitYear(text, locale, format, today);
        if (narrow.isValid())
            return narrow;
    }
    return QDate::fromString(text, IsoFormat);
}

} // namespace reminderdate
