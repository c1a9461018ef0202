#include "SignNumber.h"

#include "modPlanetSign.h"

#include <charconv>
#include <limits>
#include <string>

namespace modPlanetSign
{

namespace
{

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::string_view trimBlanks(std::string_view text)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

[[noreturn]] void fail(std::string_view text)
{
    throw ConversionError("not a number: \"" + std::string(text) + "\"");
}

} // namespace

double ReadNumber(std::string_view text)
{
    std::string_view rest = trimBlanks(text);
    bool negative = false;
    if (!rest.empty() && (rest.front() == '+' || rest.front() == '-')) {
        negative = rest.front() == '-';
        rest.remove_prefix(1);
    }
    // Validate the shape first: from_chars alone would also take "inf", "nan" and exponents.
    std::size_t i = 0;
    while (i < rest.size() && isDigit(rest[i]))
        ++i;
    if (i == 0)
        fail(text);
    if (i < rest.size() && rest[i] == '.') {
        ++i;
        while (i < rest.size() && isDigit(rest[i]))
            ++i;
    }
    if (i != rest.size())
        fail(text);

    double value = 0;
    const auto [end, error] =
        std::from_chars(rest.data(), rest.data() + rest.size(), value, std::chars_format::fixed);
    if (error == std::errc::result_out_of_range) {
        // Too large or too small for a double: only the order of magnitude matters here.
        const std::string_view whole = rest.substr(0, rest.find('.'));
        value = whole.find_first_not_of('0') == std::string_view::npos
                    ? 0.0
                    : std::numeric_limits<double>::infinity();
    } else if (error != std::errc() || end != rest.data() + rest.size())
        fail(text);
    return negative ? -value : value;
}

} // namespace modPlanetSign
