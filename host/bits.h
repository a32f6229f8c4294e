// A real's bits as a word and back (std::bit_cast is missing from the web build's library).
#ifndef QT_HOST_BITS_H
#define QT_HOST_BITS_H

#include <cstdint>
#include <cstring>

#include "sdk/as_types.h"

namespace qthost {

inline uint32_t bitsOf(AIReal x) {
    uint32_t bits;
    std::memcpy(&bits, &x, sizeof bits);
    return bits;
}

inline AIReal realOf(uint32_t bits) {
    AIReal x;
    std::memcpy(&x, &bits, sizeof x);
    return x;
}

}  // namespace qthost

#endif
