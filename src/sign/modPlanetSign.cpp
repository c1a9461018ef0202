#include "modPlanetSign.h"

#include "SignNumber.h"

#include <array>

namespace modPlanetSign
{

std::string CurrentSign;

namespace
{

constexpr const char* Aquarius = "Aquarius";
constexpr const char* Pisces = "Pisces";
constexpr const char* Aries = "Aries";
constexpr const char* Taurus = "Taurus";
constexpr const char* Gemini = "Gemini";
constexpr const char* Cancer = "Cancer";

// Years in which one sign holds all year round.
struct WholeYears {
    int first;
    int last;
    const char* sign;
};

constexpr std::array<WholeYears, 6> wholeYears{{
    {1900, 1907, Aquarius},
    {1910, 1927, Pisces},
    {1930, 1947, Aries},
    {1950, 1968, Taurus},
    {1971, 1991, Gemini},
    {1994, 2012, Cancer},
}};

// One month of a transition year. In a split month (boundary > 0) the days up to
// and including the boundary have `first`, later day numbers have `second`.
struct MonthSign {
    const char* first;
    int boundary = 0;
    const char* second = nullptr;
};

struct TransitionYear {
    int year;
    std::array<MonthSign, 12> months;
};

// clang-format off
const std::array<TransitionYear, 10> transitionYears{{
    {1908, {{{Aquarius}, {Aquarius}, {Aquarius, 20, Pisces}, {Pisces}, {Pisces}, {Pisces},
             {Pisces}, {Pisces, 19, Aquarius}, {Aquarius}, {Aquarius}, {Aquarius}, {Aquarius}}}},
    {1909, {{{Aquarius}, {Aquarius}, {Aquarius}, {Aquarius}, {Aquarius}, {Aquarius, 29, Pisces},
             {Pisces}, {Pisces}, {Pisces}, {Pisces}, {Pisces}, {Pisces}}}},
    {1928, {{{Pisces}, {Pisces}, {Pisces}, {Pisces}, {Pisces, 2, Aries}, {Aries},
             {Aries}, {Aries}, {Aries, 6, Pisces}, {Pisces}, {Pisces}, {Pisces}}}},
    {1929, {{{Pisces}, {Pisces}, {Pisces, 9, Aries}, {Aries}, {Aries}, {Aries},
             {Aries}, {Aries}, {Aries}, {Aries}, {Aries}, {Aries}}}},
    {1948, {{{Aries}, {Aries}, {Aries}, {Aries}, {Aries, 28, Taurus}, {Taurus},
             {Taurus}, {Taurus}, {Taurus}, {Taurus, 11, Aries}, {Aries}, {Aries}}}},
    {1949, {{{Aries}, {Aries}, {Aries}, {Aries, 4, Taurus}, {Taurus}, {Taurus},
             {Taurus}, {Taurus}, {Taurus}, {Taurus}, {Taurus}, {Taurus}}}},
    {1969, {{{Taurus}, {Taurus}, {Taurus}, {Taurus}, {Taurus}, {Taurus, 27, Gemini},
             {Gemini}, {Gemini}, {Gemini}, {Gemini}, {Gemini, 11, Taurus}, {Taurus}}}},
    {1970, {{{Taurus}, {Taurus}, {Taurus}, {Taurus}, {Taurus, 7, Gemini}, {Gemini},
             {Gemini}, {Gemini}, {Gemini}, {Gemini}, {Gemini}, {Gemini}}}},
    {1992, {{{Gemini}, {Gemini}, {Gemini}, {Gemini}, {Gemini}, {Gemini},
             {Gemini, 20, Cancer}, {Cancer}, {Cancer}, {Cancer}, {Cancer}, {Cancer, 17, Gemini}}}},
    {1993, {{{Gemini}, {Gemini}, {Gemini}, {Gemini}, {Gemini}, {Gemini, 1, Cancer},
             {Cancer}, {Cancer}, {Cancer}, {Cancer}, {Cancer}, {Cancer}}}},
}};
// clang-format on

constexpr std::array<std::string_view, 12> monthNames{
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

} // namespace

std::optional<std::string> LookupDudizuSign(std::string_view yearText, std::string_view monthText,
                                            std::string_view dayText)
{
    const double year = ReadNumber(yearText);
    for (const WholeYears& row : wholeYears) {
        if (year >= row.first && year <= row.last && year == static_cast<int>(year))
            return row.sign;
    }
    for (const TransitionYear& row : transitionYears) {
        if (year != row.year)
            continue;
        for (std::size_t month = 0; month < monthNames.size(); ++month) {
            if (monthText != monthNames[month])
                continue;
            const MonthSign& entry = row.months[month];
            if (entry.boundary == 0 || ReadNumber(dayText) <= entry.boundary)
                return entry.first;
            return entry.second;
        }
        return std::nullopt;
    }
    return std::nullopt;
}

void FindDudizuSign(const BirthDateTexts& source)
{
    if (auto sign = LookupDudizuSign(source.yearText(), source.monthText(), source.dayText()))
        CurrentSign = std::move(*sign);
}

} // namespace modPlanetSign
