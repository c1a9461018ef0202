// Times the sign lookup over every triple the three date lists can form.

#include "modPlanetSign.h"

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

int main()
{
    const char* const months[] = {"January",   "February", "March",    "April",
                                  "May",       "June",     "July",     "August",
                                  "September", "October",  "November", "December"};
    struct Triple {
        std::string year, month, day;
    };
    std::vector<Triple> triples;
    for (int year = 1900; year <= 2012; ++year)
        for (const char* month : months)
            for (int day = 1; day <= 31; ++day)
                triples.push_back({std::to_string(year), month, std::to_string(day)});

    constexpr int rounds = 50;
    std::size_t found = 0;
    double best = 1e300;
    for (int round = 0; round < rounds; ++round) {
        const auto start = std::chrono::steady_clock::now();
        for (const Triple& t : triples)
            found += LookupDudizuSign(t.year, t.month, t.day).has_value();
        const std::chrono::duration<double, std::nano> elapsed =
            std::chrono::steady_clock::now() - start;
        best = std::min(best, elapsed.count() / double(triples.size()));
    }
    std::printf("lookups per round: %zu (%zu with a sign over %d rounds)\n", triples.size(), found,
                rounds);
    std::printf("best round: %.1f ns per lookup\n", best);
    return found == triples.size() * rounds ? 0 : 1;
}
