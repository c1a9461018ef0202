// The update reminder's date reader over arbitrary stored texts, locales and
// days: whatever it reads, the text written for that date reads back to it.

#include "FuzzInput.h"
#include "ReminderDate.h"

#include <array>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const std::array<QLocale, 10> locales = {
        QLocale::c(),     QLocale("en_US"), QLocale("en_GB"), QLocale("de_DE"), QLocale("fr_FR"),
        QLocale("ja_JP"), QLocale("ar_EG"), QLocale("fa_IR"), QLocale("hi_IN"), QLocale("ko_KR"),
    };
    FuzzedDataProvider input(data, size);
    const QLocale& locale = locales[input.ConsumeIntegralInRange<size_t>(0, locales.size() - 1)];
    const QDate today = QDate(1900, 1, 1).addDays(input.ConsumeIntegralInRange(0, 80000));
    const QString format = takeText(input, 24);
    const QString stored = takeText(input, 48);

    reminderdate::WidenYear(format);
    const QDate read = reminderdate::TextToDate(stored, locale, today);
    if (read.isValid()) {
        const QString written = reminderdate::DateToText(read, locale);
        FUZZ_CHECK(reminderdate::TextToDate(written, locale, today) == read);
    }
    return 0;
}
