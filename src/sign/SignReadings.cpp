#include "SignReadings.h"

namespace modPlanetSign
{

const std::array<SignReading, 12> SignReadings{{
    {"Aries", "This may not have a good effect on your life. You need to be careful with people "
              "even if you trust them."},
    {"Taurus", "You will attain heights of fame. Do not let this get to your head and ruin your "
               "career."},
    {"Gemini", "You will be artistically inclined and do well in the fields of entertainment, "
               "show business and fashion."},
    {"Cancer", "You will not think twice before punishing liars who you think have committed a "
               "grave mistake."},
    {"Leo", ""},
    {"Virgo", ""},
    {"Libra", ""},
    {"Scorpio", ""},
    {"Sagittarius", ""},
    {"Capricorn", ""},
    {"Aquarius", "You will strive to break the old order and a build a new environment. This may "
                 "get too violent or fanatic beyond anyone's liking."},
    {"Pisces", "You will make a name for yourself in a way that will be heard and seen by the "
               "people. Your ideas can be implemented if you put your mind to it. You will make a "
               "deep impact on people. You may go through or have gone through a lot of trauma, "
               "but this will prove to be for your own good."},
}};

std::optional<std::string_view> GetSignReading(std::string_view sign)
{
    for (const SignReading& row : SignReadings) {
        if (row.sign == sign)
            return row.reading;
    }
    return std::nullopt;
}

} // namespace modPlanetSign
