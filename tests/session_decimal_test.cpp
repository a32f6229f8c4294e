// The playground's decimal reader (fast_float, session/decimal_fast_float.h) against the
// standard library's std::from_chars(double), which the command line reads with: the same
// end, error and value for every input, so a value the command line refuses the playground
// refuses too.
#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstring>
#include <string>

#include "session/decimal_fast_float.h"

namespace {

TEST(DecimalText, ReadsAsTheLibraryReads) {
    const char* inputs[] = {
        "0",
        "-0",
        "1",
        "-1",
        "1.5",
        ".5",
        "5.",
        "-.5e-3",
        "1E5",
        "1e",
        "1e+",
        "1.5x",
        "12,3",
        "0.1e1",
        "1_0",
        "",
        "-",
        "+1",
        " 1",
        "e5",
        ".",
        "-.",
        "0x10",
        "1e-310",
        "4.9e-324",
        "2e-324",
        "1e-400",
        "-1e-400",
        "0e-400",
        "0e999999999999",
        "1e400",
        "-1e400",
        "1.7976931348623157e308",
        "1.7976931348623159e308",
        "1e-99999999999999999999",
        "2.2250738585072011e-308",
        "inf",
        "-inf",
        "INF",
        "infinity",
        "infin",
        "nan",
        "-nan",
        "nan(abc)",
        "NaN",
        "0.000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
        "00000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
        "00000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
        "000000000000000000000000001",
        "00000000000000000000000000000000000000000000000000000000000000000000000001e-400",
        "3.141592653589793238462643383279502884197169399375105820974944592307816406286208998628034825",
        "123456789012345678901234567890",
        "9007199254740993",
    };
    for (const char* input : inputs) {
        SCOPED_TRACE(std::string("\"") + input + "\"");
        const char* end = input + std::strlen(input);
        double library = -7.0, portable = -7.0;
        const std::from_chars_result expected = std::from_chars(input, end, library);
        const std::from_chars_result got = qtsession::readDecimalByFastFloat(input, end, portable);
        EXPECT_EQ(got.ptr - input, expected.ptr - input);
        EXPECT_EQ(got.ec, expected.ec);
        if (std::isnan(library)) {
            EXPECT_TRUE(std::isnan(portable));
            EXPECT_EQ(std::signbit(portable), std::signbit(library));
        } else {
            EXPECT_EQ(std::memcmp(&portable, &library, sizeof library), 0) << portable << " for " << library;
        }
    }
}

}  // namespace
