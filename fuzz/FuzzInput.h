#pragma once
// What every fuzz target shares: texts made from the fuzzer's bytes, and a
// check that stops the run with a message when a promise is broken.

#include <fuzzer/FuzzedDataProvider.h>

#include <QString>

#include <cstdio>
#include <cstdlib>
#include <cstring>

// A text of arbitrary UTF-16 units, lone surrogates and NULs included.
inline QString takeText(FuzzedDataProvider& input, size_t maxUnits)
{
    const std::string bytes = input.ConsumeRandomLengthString(maxUnits * 2);
    QString text(qsizetype(bytes.size() / 2), Qt::Uninitialized);
    std::memcpy(text.data(), bytes.data(), size_t(text.size()) * 2);
    return text;
}

#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: broken: %s\n", __FILE__, __LINE__, #condition);           \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)
