#pragma once
// The Zorivi sign table: which sign Zorivi stood in on each day of 1900-2012.

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace modPlanetSign
{

// Raised when a year or day text that the lookup has to read is not a number.
class ConversionError : public std::invalid_argument
{
public:
    using std::invalid_argument::invalid_argument;
};

// The sign of the last successful lookup; empty until the first one.
extern std::string CurrentSign;

// The three list texts of a birth date, as the main window shows them.
class BirthDateTexts
{
public:
    virtual ~BirthDateTexts() = default;
    virtual std::string yearText() const = 0;
    virtual std::string monthText() const = 0;
    virtual std::string dayText() const = 0;
};

// Pure lookup. An empty result means the table gives no sign for these texts.
// Throws ConversionError when the year text, or the day text of a split month,
// cannot be read as a number.
std::optional<std::string> LookupDudizuSign(std::string_view yearText, std::string_view monthText,
                                            std::string_view dayText);

// Looks up the date that `source` shows and stores a found sign in CurrentSign.
// A lookup without a sign leaves CurrentSign as it was; a conversion failure
// propagates with CurrentSign untouched.
void FindDudizuSign(const BirthDateTexts& source);

} // namespace modPlanetSign

using modPlanetSign::LookupDudizuSign;
