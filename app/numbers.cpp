// Whole numbers in a range.
#include "app/numbers.h"

#include <string>

#include "host/run_errors.h"
#include "session/parse.h"

namespace qtapp {

using qthost::inQuotes;
using qthost::UsageError;

long long integerIn(std::string_view text, std::string_view what, long long lo, long long hi) {
    const long long n = qtsession::parseInteger(text, what);
    if (n < lo || n > hi) {
        throw UsageError(std::string(what) + ": " + inQuotes(text) + " is not " + std::to_string(lo) +
                         " to " + std::to_string(hi));
    }
    return n;
}

long long millisecondsUpTo(std::string_view text, std::string_view what, long long cap) {
    bool digits = !text.empty();
    for (char c : text) digits = digits && c >= '0' && c <= '9';
    if (!digits)
        throw UsageError(std::string(what) + ": " + inQuotes(text) +
                         " is not a whole number of milliseconds");
    long long ms = 0;
    for (char c : text) {
        ms = ms * 10 + (c - '0');
        if (ms >= cap) return cap;
    }
    return ms;
}

}  // namespace qtapp
