// Decimal numbers read as std::from_chars(double) reads them in the general format: an
// optional '-', digits with an optional point and exponent, or inf, infinity and nan; no
// leading blank, '+' or hexadecimal; a value out of the double range is result_out_of_range.
// Where the C++ library has no floating-point from_chars (the playground's toolchain:
// QT_NO_FLOAT_CHARCONV), fast_float reads it, held to the same rules (decimal_fast_float.h).
#ifndef QT_SESSION_DECIMAL_TEXT_H
#define QT_SESSION_DECIMAL_TEXT_H

#include <charconv>

#ifdef QT_NO_FLOAT_CHARCONV
#include "session/decimal_fast_float.h"
#endif

namespace qtsession {

inline std::from_chars_result readDecimal(const char* first, const char* last, double& value) {
#ifdef QT_NO_FLOAT_CHARCONV
    return readDecimalByFastFloat(first, last, value);
#else
    return std::from_chars(first, last, value);
#endif
}

}  // namespace qtsession

#endif
