// std::from_chars(double) on fast_float (header-only), for C++ libraries without a
// floating-point from_chars. fast_float reads the same syntax; what it does not do is call a
// number out of range: it gives infinity for one too large and zero for one too small. Both
// are result_out_of_range here, with `value` untouched, as the library's from_chars has them.
// The tests hold it to the library's where the library has one.
#ifndef QT_SESSION_DECIMAL_FAST_FLOAT_H
#define QT_SESSION_DECIMAL_FAST_FLOAT_H

#include <fast_float/fast_float.h>

#include <charconv>
#include <cmath>
#include <system_error>

namespace qtsession {

inline std::from_chars_result readDecimalByFastFloat(const char* first, const char* last, double& value) {
    double parsed = 0.0;
    const fast_float::from_chars_result result = fast_float::from_chars(first, last, parsed);
    if (result.ec != std::errc()) return {result.ptr, result.ec};
    const char* digits = first != last && *first == '-' ? first + 1 : first;
    const bool spelled =
        digits != result.ptr && (*digits == 'i' || *digits == 'I' || *digits == 'n' || *digits == 'N');
    if (!spelled) {
        bool nonZero = false;
        for (const char* p = digits; p != result.ptr && *p != 'e' && *p != 'E'; ++p)
            nonZero |= *p >= '1' && *p <= '9';
        if (std::isinf(parsed) || (parsed == 0.0 && nonZero))
            return {result.ptr, std::errc::result_out_of_range};
    }
    value = parsed;
    return {result.ptr, std::errc()};
}

}  // namespace qtsession

#endif
