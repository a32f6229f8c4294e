// The playground's float text (libfmt's digits laid out by export/float_text_fmt.h) against
// the standard library's std::to_chars(float), which the command line writes with: the same
// bytes for every float tried, so the playground's JSON and SVG are the command line's.
#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>

#include "export/float_text_fmt.h"

namespace {

std::string library(float value) {
    char text[64];
    const auto result = std::to_chars(text, text + sizeof text, value);
    return std::string(text, result.ptr);
}

std::string byFmt(float value) {
    std::string text;
    qtexport::appendFloatByFmt(text, value);
    return text;
}

float fromBits(uint32_t bits) {
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

TEST(FloatText, LaysOutDigitsAsToCharsDoes) {
    using limits = std::numeric_limits<float>;
    const struct {
        float value;
        const char* text;
    } rows[] = {
        {0.0f, "0"},
        {-0.0f, "-0"},
        {0.1f, "0.1"},
        {1.0f, "1"},
        {-2.5f, "-2.5"},
        {100000.0f, "1e+05"},  // scientific is shorter
        {123456.7f, "123456.7"},
        {0.0001f, "1e-04"},
        {0.001f, "0.001"},                  // a tie goes to fixed
        {123456789012.0f, "123456790528"},  // fixed longer than its digits: the exact value
        {4294967296.0f, "4294967296"},
        {1e16f, "1e+16"},
        {limits::max(), "3.4028235e+38"},
        {limits::min(), "1.1754944e-38"},
        {limits::denorm_min(), "1e-45"},
        {limits::infinity(), "inf"},
        {-limits::infinity(), "-inf"},
        {limits::quiet_NaN(), "nan"},
        {-limits::quiet_NaN(), "-nan"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(library(row.value), row.text) << "the library's own";
        EXPECT_EQ(byFmt(row.value), row.text);
    }
}

// Every 4099th bit pattern (about a million floats, every exponent and sign) and the floats
// beside each power of ten, where the choice between fixed and scientific turns.
TEST(FloatText, AgreesWithTheLibraryAcrossTheFloats) {
    int differing = 0;
    auto check = [&](float value) {
        if (library(value) != byFmt(value) && ++differing <= 10)
            ADD_FAILURE() << library(value) << " written as " << byFmt(value);
    };
    for (uint64_t bits = 0; bits < (uint64_t{1} << 32); bits += 4099)
        check(fromBits(static_cast<uint32_t>(bits)));
    for (int exponent = -45; exponent <= 38; ++exponent) {
        const float power = std::pow(10.0f, static_cast<float>(exponent));
        float below = power, above = power;
        for (int k = 0; k < 50; ++k) {
            below = std::nextafter(below, 0.0f);
            above = std::nextafter(above, std::numeric_limits<float>::infinity());
            check(below);
            check(above);
            check(-above);
        }
    }
    EXPECT_EQ(differing, 0);
}

}  // namespace
