#pragma once
// The input rules of the find command: what may be typed as a name, and which
// birth dates are possible.

#include <cstdint>
#include <string_view>

namespace birthdata
{

inline constexpr std::string_view OnlyLettersMessage = "Please Enter only Letters";
inline constexpr std::string_view EnterNameMessage = "Please Enter Your Name";
inline constexpr std::string_view FebruaryMessage = "Please Enter Correct Date Or Month!";
inline constexpr std::string_view ThirtyDayMonthMessage = "Please Enter Correct Date Or Month !";

struct NameKey {
    std::int16_t code; // what is inserted; 0 inserts nothing
    bool refused;      // the user is told "Please Enter only Letters" first
};

// Letters pass (small ones become capitals); Backspace, Enter and blank pass
// unchanged; every other code is refused and becomes 0.
NameKey FilterNameKey(std::int16_t code);

struct Verdict {
    bool ok;
    std::string_view message; // empty when ok
    bool focusName;           // the focus goes back to the name box
};

// Checks a name and a date given as list positions (day 0-30, month 0-11) and a
// year number. Every year divisible by 4 counts as a leap year.
Verdict CheckBirthData(std::string_view name, int dayIndex, int monthIndex, int year);

} // namespace birthdata
