// Error codes as people read them: a code above kLargestDecimalError is a four-character
// code ('PARM' is kBadParameterErr), written as its characters; any other is a number. The
// plug-in's alerts, the session's messages and the playground all write codes this way.
#ifndef QT_SDK_ERROR_CODE_TEXT_H
#define QT_SDK_ERROR_CODE_TEXT_H

#include <cstdint>

#include "as_types.h"

inline constexpr ASErr kLargestDecimalError = 16384;

constexpr bool isFourCharCode(ASErr code) { return code > kLargestDecimalError; }

// The four characters of `code`, most significant byte first, zero-terminated.
struct FourChars {
    char text[5];
};
constexpr FourChars fourChars(ASErr code) {
    const auto bits = static_cast<uint32_t>(code);
    return {{static_cast<char>(bits >> 24), static_cast<char>(bits >> 16), static_cast<char>(bits >> 8),
             static_cast<char>(bits), '\0'}};
}

#endif
