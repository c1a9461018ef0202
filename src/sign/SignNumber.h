#pragma once
// Reading the numbers of the year and day lists from their texts.

#include <string_view>

namespace modPlanetSign
{

// The value of a decimal text: optional blanks around it, an optional sign,
// digits, and an optional fraction after a point. Leading zeros do not matter
// ("01950" is 1950); values too large for a double become infinite.
// Throws ConversionError for anything else, the empty text included.
double ReadNumber(std::string_view text);

} // namespace modPlanetSign
