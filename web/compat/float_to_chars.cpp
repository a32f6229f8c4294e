// Shortest round-trip formatting and strict decimal parsing for the playground build.
#include "float_to_chars.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>

namespace std {

namespace {

// Significant decimal digits, at most 17 (and one carry).
struct Digits {
    char text[24];
    int count = 0;
    void push(char c) { text[count++] = c; }
};

// A small unsigned big integer, enough for every float and double in the digit generation
// below: little-endian 32-bit limbs, of which the first `used` may be non-zero.
template <size_t Limbs>
struct Big {
    uint32_t limb[Limbs] = {};
    size_t used = 0;

    static Big of(uint64_t n) {
        Big b;
        b.limb[0] = static_cast<uint32_t>(n);
        b.limb[1] = static_cast<uint32_t>(n >> 32);
        b.used = b.limb[1] ? 2 : b.limb[0] ? 1 : 0;
        return b;
    }
    void multiply(uint32_t factor) {
        uint64_t carry = 0;
        for (size_t i = 0; i < used; ++i) {
            uint64_t x = static_cast<uint64_t>(limb[i]) * factor + carry;
            limb[i] = static_cast<uint32_t>(x);
            carry = x >> 32;
        }
        if (carry) limb[used++] = static_cast<uint32_t>(carry);
    }
    void shiftLeft(int bits) {
        for (; bits >= 31; bits -= 31) multiply(1u << 31);
        if (bits > 0) multiply(1u << bits);
    }
    void add(const Big& o) {
        size_t n = used > o.used ? used : o.used;
        uint64_t carry = 0;
        for (size_t i = 0; i < n; ++i) {
            uint64_t x = static_cast<uint64_t>(limb[i]) + o.limb[i] + carry;
            limb[i] = static_cast<uint32_t>(x);
            carry = x >> 32;
        }
        used = n;
        if (carry) limb[used++] = 1;
    }
    void subtract(const Big& o) {  // requires *this >= o
        int64_t borrow = 0;
        for (size_t i = 0; i < used; ++i) {
            int64_t x = static_cast<int64_t>(limb[i]) - o.limb[i] - borrow;
            borrow = x < 0;
            limb[i] = static_cast<uint32_t>(x + (borrow << 32));
        }
        while (used && !limb[used - 1]) --used;
    }
    friend int compare(const Big& a, const Big& b) {
        if (a.used != b.used) return a.used < b.used ? -1 : 1;
        for (size_t i = a.used; i-- > 0;)
            if (a.limb[i] != b.limb[i]) return a.limb[i] < b.limb[i] ? -1 : 1;
        return 0;
    }
    friend Big sum(Big a, const Big& b) {
        a.add(b);
        return a;
    }
};

// The shortest digits that read back as the positive finite `value`, the one nearest to it
// when several are as short (ties to even), as in the free-format algorithm of Steele & White
// and Burger & Dybvig: value = 0.d1d2... * 10^k. Exact, with big integers.
template <typename T>
void shortestDigits(T value, Digits& digits, int& exponent) {
    constexpr int kMantissaBits = numeric_limits<T>::digits;  // 24 or 53, hidden bit included
    constexpr int kMinExponent = numeric_limits<T>::min_exponent - kMantissaBits;  // of the integer mantissa
    using B = Big<is_same_v<T, float> ? 12 : 40>;

    int e = 0;
    T fraction = frexp(value, &e);  // value = fraction * 2^e, fraction in [0.5, 1)
    uint64_t f = static_cast<uint64_t>(ldexp(fraction, kMantissaBits));
    e -= kMantissaBits;
    if (e < kMinExponent) {  // subnormal: fewer mantissa bits
        f >>= (kMinExponent - e);
        e = kMinExponent;
    }
    const bool even = (f & 1) == 0;  // round-to-even makes both boundaries reachable
    const bool lowerGapHalf = f == (uint64_t{1} << (kMantissaBits - 1)) && e > kMinExponent;

    // value = r / s; the rounding interval is (value - mMinus / s, value + mPlus / s).
    B r = B::of(f), s = B::of(1), mPlus = B::of(1), mMinus = B::of(1);
    if (e >= 0) {
        r.shiftLeft(e + 1);
        s = B::of(2);
        mPlus.shiftLeft(e);
        mMinus.shiftLeft(e);
    } else {
        r.shiftLeft(1);
        s.shiftLeft(1 - e);
    }
    if (lowerGapHalf) {
        r.multiply(2);
        s.multiply(2);
        mPlus.multiply(2);
    }

    // k: the smallest power of ten above the interval's top.
    int k = static_cast<int>(ceil(log10(static_cast<double>(value)) - 1e-10));
    if (k >= 0) {
        for (int i = 0; i < k; ++i) s.multiply(10);
    } else {
        for (int i = 0; i < -k; ++i) {
            r.multiply(10);
            mPlus.multiply(10);
            mMinus.multiply(10);
        }
    }
    auto topAtOrAbove = [&](const B& scale) {  // value + mPlus reaches `scale`
        int c = compare(sum(r, mPlus), scale);
        return even ? c >= 0 : c > 0;
    };
    while (topAtOrAbove(s)) {
        s.multiply(10);
        ++k;
    }
    for (;;) {  // the estimate may be one too high
        B tenR = r, tenPlus = mPlus;
        tenR.multiply(10);
        tenPlus.multiply(10);
        int c = compare(sum(tenR, tenPlus), s);
        if (even ? c >= 0 : c > 0) break;
        r = tenR;
        mPlus = tenPlus;
        mMinus.multiply(10);
        --k;
    }

    digits.count = 0;
    for (;;) {
        r.multiply(10);
        mPlus.multiply(10);
        mMinus.multiply(10);
        int d = 0;
        while (compare(r, s) >= 0) {
            r.subtract(s);
            ++d;
        }
        int low = compare(r, mMinus);
        int high = compare(sum(r, mPlus), s);
        bool stopLow = even ? low <= 0 : low < 0;
        bool stopHigh = even ? high >= 0 : high > 0;
        if (!stopLow && !stopHigh) {
            digits.push(static_cast<char>('0' + d));
            continue;
        }
        if (stopLow && stopHigh) {
            B twice = r;
            twice.multiply(2);
            int c = compare(twice, s);
            if (c > 0 || (c == 0 && d % 2 == 1)) ++d;
        } else if (stopHigh) {
            ++d;
        }
        digits.push(static_cast<char>('0' + d));
        break;
    }
    // A last digit of 10 carries into the digits before it.
    for (int i = digits.count; i-- > 0 && digits.text[i] > '9';) {
        digits.text[i] = '0';
        if (i == 0) {
            memmove(digits.text + 1, digits.text, static_cast<size_t>(digits.count));
            digits.text[0] = '1';
            ++digits.count;
            ++k;
        } else {
            ++digits.text[i - 1];
        }
    }
    while (digits.count > 1 && digits.text[digits.count - 1] == '0') --digits.count;
    exponent = k - 1;  // scientific: d1.d2... * 10^(k - 1)
}

to_chars_result put(char* first, char* last, const char* text, size_t size) {
    if (static_cast<size_t>(last - first) < size) return {last, errc::value_too_large};
    memcpy(first, text, size);
    return {first + size, errc()};
}

// Writes the decimal digits of n; returns their number.
int writeWhole(char* out, unsigned long long n) {
    char reversed[24];
    int count = 0;
    do {
        reversed[count++] = static_cast<char>('0' + n % 10);
        n /= 10;
    } while (n);
    for (int i = 0; i < count; ++i) out[i] = reversed[count - 1 - i];
    return count;
}

template <typename T>
to_chars_result shortest(char* first, char* last, T value) {
    char out[48];
    int n = 0;
    if (signbit(value)) out[n++] = '-';
    if (isnan(value) || isinf(value) || value == 0) {
        const char* word = isnan(value) ? "nan" : isinf(value) ? "inf" : "0";
        size_t length = strlen(word);
        memcpy(out + n, word, length);
        return put(first, last, out, static_cast<size_t>(n) + length);
    }
    T magnitude = fabs(value);
    Digits digits;
    int exponent = 0;
    shortestDigits(magnitude, digits, exponent);
    const int count = digits.count;
    const int exponentDigits = abs(exponent) >= 100 ? 3 : 2;
    const int scientificLength = count + (count > 1 ? 1 : 0) + 2 + exponentDigits;
    const int fixedLength = exponent < 0 ? 1 + -exponent + count : exponent + 1 >= count ? exponent + 1 : count + 1;

    if (fixedLength <= scientificLength) {  // fixed wins a tie
        if (exponent < 0) {
            out[n++] = '0';
            out[n++] = '.';
            for (int i = 0; i < -exponent - 1; ++i) out[n++] = '0';
            memcpy(out + n, digits.text, static_cast<size_t>(count));
            n += count;
        } else if (exponent + 1 >= count) {
            // A whole number: its exact digits, as printf's %f writes them (the same length).
            if (magnitude < static_cast<T>(1e19)) {
                n += writeWhole(out + n, static_cast<unsigned long long>(magnitude));
            } else {  // doubles only: at most 22 digits here
                n += snprintf(out + n, sizeof out - static_cast<size_t>(n), "%.0f", static_cast<double>(magnitude));
            }
        } else {
            memcpy(out + n, digits.text, static_cast<size_t>(exponent + 1));
            n += exponent + 1;
            out[n++] = '.';
            memcpy(out + n, digits.text + exponent + 1, static_cast<size_t>(count - exponent - 1));
            n += count - exponent - 1;
        }
    } else {
        out[n++] = digits.text[0];
        if (count > 1) {
            out[n++] = '.';
            memcpy(out + n, digits.text + 1, static_cast<size_t>(count - 1));
            n += count - 1;
        }
        out[n++] = 'e';
        out[n++] = exponent < 0 ? '-' : '+';
        int e = abs(exponent);
        if (e >= 100) out[n++] = static_cast<char>('0' + e / 100);
        out[n++] = static_cast<char>('0' + e / 10 % 10);
        out[n++] = static_cast<char>('0' + e % 10);
    }
    return put(first, last, out, static_cast<size_t>(n));
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
