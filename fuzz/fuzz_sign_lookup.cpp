// The sign lookup over three arbitrary list texts: it gives a sign, no sign,
// or a conversion error, and every sign it gives has a reading.

#include "FuzzInput.h"
#include "SignReadings.h"
#include "modPlanetSign.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider input(data, size);
    const std::string year = input.ConsumeRandomLengthString(32);
    const std::string month = input.ConsumeRandomLengthString(32);
    const std::string day = input.ConsumeRemainingBytesAsString();
    try {
        const std::optional<std::string> sign = LookupDudizuSign(year, month, day);
        if (sign)
            FUZZ_CHECK(GetSignReading(*sign).has_value());
    } catch (const modPlanetSign::ConversionError&) {
        // A text that is no number is refused this way.
    }
    return 0;
}
