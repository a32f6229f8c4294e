// Whole numbers the command line reads from its flags and its environment, each in a range.
#ifndef QT_APP_NUMBERS_H
#define QT_APP_NUMBERS_H

#include <string_view>

namespace qtapp {

// `text` as a decimal whole number from `lo` to `hi`; a UsageError naming `what` otherwise.
long long integerIn(std::string_view text, std::string_view what, long long lo, long long hi);

// `text` as a count of milliseconds, 0 or more; one too large for any clock (up to any number
// of digits) is `cap`. A UsageError naming `what` for anything else.
long long millisecondsUpTo(std::string_view text, std::string_view what, long long cap);

}  // namespace qtapp

#endif
