// The plain std::to_chars(float) layout built on libfmt (header-only), for C++ libraries
// without a floating-point to_chars. libfmt gives the shortest digits that read back as the
// float; they are laid out fixed or scientific as to_chars does, and a fixed form longer than
// its digits is the float's exact integer value ("123456790528", not "123456790000"). The
// tests hold it to the library's to_chars where the library has one.
#ifndef QT_EXPORT_FLOAT_TEXT_FMT_H
#define QT_EXPORT_FLOAT_TEXT_FMT_H

#include <fmt/format.h>

#include <cmath>
#include <iterator>
#include <string>

namespace qtexport {

inline void appendFloatByFmt(std::string& out, float value) {
    if (std::isnan(value)) {
        out += std::signbit(value) ? "-nan" : "nan";
        return;
    }
    if (std::isinf(value)) {
        out += value < 0 ? "-inf" : "inf";
        return;
    }
    // libfmt writes the shortest digits as "ddd.ddd" or "d.ddde±xx"; read back the digits
    // without leading or trailing zeros and where the point falls among them.
    char text[64];
    const char* end = fmt::format_to_n(text, sizeof text, "{}", std::fabs(value)).out;
    std::string digits;
    int point = 0;  // the value is 0.<digits> times 10^point
    bool beforePoint = true;
    const char* p = text;
    for (; p != end && *p != 'e'; ++p) {
        if (*p == '.') {
            beforePoint = false;
        } else if (digits.empty() && *p == '0') {
            if (!beforePoint) --point;
        } else {
            digits += *p;
            if (beforePoint) ++point;
        }
    }
    if (p != end) point += std::stoi(std::string(p + 1, end));
    while (!digits.empty() && digits.back() == '0') digits.pop_back();

    if (std::signbit(value)) out += '-';
    if (digits.empty()) {
        out += '0';
        return;
    }
    const int count = static_cast<int>(digits.size());
    const int exponent = point - 1;
    const int exponentDigits = std::abs(exponent) >= 100 ? 3 : 2;
    const int scientificLength = count + (count > 1 ? 1 : 0) + 2 + exponentDigits;
    const int fixedLength = point >= count ? point : point > 0 ? count + 1 : 2 - point + count;
    if (fixedLength <= scientificLength) {
        if (point > count) {
            fmt::format_to(std::back_inserter(out), "{:.0f}", std::fabs(value));  // exact: a whole number
        } else if (point == count) {
            out += digits;
        } else if (point > 0) {
            out.append(digits, 0, point).append(1, '.').append(digits, point);
        } else {
            out.append("0.").append(-point, '0').append(digits);
        }
        return;
    }
    out += digits[0];
    if (count > 1) out.append(1, '.').append(digits, 1);
    fmt::format_to(std::back_inserter(out), "e{}{:02}", exponent < 0 ? '-' : '+', std::abs(exponent));
}

}  // namespace qtexport

#endif
