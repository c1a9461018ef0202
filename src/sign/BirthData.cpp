#include "BirthData.h"

namespace birthdata
{

NameKey FilterNameKey(std::int16_t code)
{
    const bool capital = code >= 'A' && code <= 'Z';
    const bool small = code >= 'a' && code <= 'z';
    if (small)
        return {static_cast<std::int16_t>(code - 32), false};
    if (capital || code == 8 || code == 13 || code == 32)
        return {code, false};
    return {0, true};
}

Verdict CheckBirthData(std::string_view name, int dayIndex, int monthIndex, int year)
{
    if (name.empty())
        return {false, EnterNameMessage, true};
    const bool leapYear = year % 4 == 0;
    constexpr int february = 1;
    if (monthIndex == february && dayIndex >= (leapYear ? 29 : 28))
        return {false, FebruaryMessage, false};
    const bool thirtyDays =
        monthIndex == 3 || monthIndex == 5 || monthIndex == 8 || monthIndex == 10;
    if (thirtyDays && dayIndex == 30)
        return {false, ThirtyDayMonthMessage, false};
    return {true, {}, false};
}

} // namespace birthdata
