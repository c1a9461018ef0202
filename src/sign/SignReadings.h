#pragma once
// The fixed reading of each zodiac sign.

#include <array>
#include <optional>
#include <string_view>

namespace modPlanetSign
{

struct SignReading {
    std::string_view sign;
    std::string_view reading;
};

// All twelve signs in lookup order; six of them have an empty reading.
extern const std::array<SignReading, 12> SignReadings;

// The reading of `sign` (exact, case-sensitive match). Empty optional: no such
// sign. An empty view: the sign exists but has no reading.
std::optional<std::string_view> GetSignReading(std::string_view sign);

} // namespace modPlanetSign

using modPlanetSign::GetSignReading;
