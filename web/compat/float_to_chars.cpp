// Shortest round-trip formatting and strict decimal parsing for the playground build.
#include "float_to_chars.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace std {

namespace {

// The fewest significant digits that read back as `value`, as a digit string and a decimal
// exponent (value = 0.d1d2... * 10^(exponent + 1)).
template <typename T>
void shortestDigits(T value, string& digits, int& exponent) {
    constexpr int kMaxDigits = is_same_v<T, float> ? 9 : 17;
    char text[64];
    for (int precision = 1; precision <= kMaxDigits; ++precision) {
        snprintf(text, sizeof text, "%.*e", precision - 1, static_cast<double>(value));
        T back = is_same_v<T, float> ? static_cast<T>(strtof(text, nullptr)) : static_cast<T>(strtod(text, nullptr));
        if (back == value || precision == kMaxDigits) break;
    }
    // text is "d.ddde[+-]xx" (no sign: the caller passes a positive value).
    const char* e = strchr(text, 'e');
    digits.clear();
    for (const char* p = text; p < e; ++p)
        if (*p != '.') digits += *p;
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
    exponent = atoi(e + 1);
}

to_chars_result put(char* first, char* last, const string& text) {
    if (static_cast<size_t>(last - first) < text.size()) return {last, errc::value_too_large};
    memcpy(first, text.data(), text.size());
    return {first + text.size(), errc()};
}

template <typename T>
to_chars_result shortest(char* first, char* last, T value) {
    string sign = signbit(value) ? "-" : "";
    if (isnan(value)) return put(first, last, sign + "nan");
    if (isinf(value)) return put(first, last, sign + "inf");
    if (value == 0) return put(first, last, sign + "0");
    string digits;
    int exponent = 0;
    shortestDigits(fabs(value), digits, exponent);
    int count = static_cast<int>(digits.size());

    string scientific = digits.substr(0, 1);
    if (count > 1) scientific += "." + digits.substr(1);
    char tail[16];
    snprintf(tail, sizeof tail, "e%c%02d", exponent < 0 ? '-' : '+', abs(exponent));
    scientific += tail;

    string fixed;
    if (exponent < 0) {
        fixed = "0." + string(static_cast<size_t>(-exponent - 1), '0') + digits;
    } else if (exponent + 1 >= count) {
        fixed = digits + string(static_cast<size_t>(exponent + 1 - count), '0');
    } else {
        fixed = digits.substr(0, static_cast<size_t>(exponent + 1)) + "." + digits.substr(static_cast<size_t>(exponent + 1));
    }
    return put(first, last, sign + (scientific.size() < fixed.size() ? scientific : fixed));
}

// Length of the longest prefix of [first, last) that is a number in the general format.
size_t numberPrefix(const char* first, const char* last) {
    const char* p = first;
    if (p < last && *p == '-') ++p;
    auto word = [&](const char* w) {
        size_t n = strlen(w);
        if (static_cast<size_t>(last - p) < n) return false;
        for (size_t i = 0; i < n; ++i)
            if (tolower(static_cast<unsigned char>(p[i])) != w[i]) return false;
        p += n;
        return true;
    };
    if (word("infinity") || word("inf") || word("nan")) return static_cast<size_t>(p - first);
    const char* digitsStart = p;
    while (p < last && isdigit(static_cast<unsigned char>(*p))) ++p;
    size_t mantissa = static_cast<size_t>(p - digitsStart);
    if (p < last && *p == '.') {
        const char* afterPoint = ++p;
        while (p < last && isdigit(static_cast<unsigned char>(*p))) ++p;
        mantissa += static_cast<size_t>(p - afterPoint);
    }
    if (mantissa == 0) return 0;
    if (p < last && (*p == 'e' || *p == 'E')) {
        const char* q = p + 1;
        if (q < last && (*q == '+' || *q == '-')) ++q;
        const char* expDigits = q;
        while (q < last && isdigit(static_cast<unsigned char>(*q))) ++q;
        if (q > expDigits) p = q;
    }
    return static_cast<size_t>(p - first);
}

template <typename T>
from_chars_result parse(const char* first, const char* last, T& value) {
    size_t n = numberPrefix(first, last);
    if (n == 0) return {first, errc::invalid_argument};
    string text(first, n);
    errno = 0;
    char* end = nullptr;
    T parsed = is_same_v<T, float> ? static_cast<T>(strtof(text.c_str(), &end)) : static_cast<T>(strtod(text.c_str(), &end));
    if (errno == ERANGE) return {first + n, errc::result_out_of_range};
    value = parsed;
    return {first + n, errc()};
}

}  // namespace

to_chars_result to_chars(char* first, char* last, float value) { return shortest(first, last, value); }
to_chars_result to_chars(char* first, char* last, double value) { return shortest(first, last, value); }
from_chars_result from_chars(const char* first, const char* last, double& value) { return parse(first, last, value); }
from_chars_result from_chars(const char* first, const char* last, float& value) { return parse(first, last, value); }

}  // namespace std
