// The mirror rules of the scaledown and windmill modes.
#include "drag/mirror_rules.h"

namespace drag {

namespace {

bool odd(int32_t x) { return x % 2 != 0; }

}  // namespace

ScaleFactors mirrorRule(int32_t rule, AIReal h, AIReal v, int32_t i, int32_t j) {
    const bool differ = odd(i) != odd(j);
    switch (rule) {
        case 0: return odd(i) ? ScaleFactors{-h, v} : ScaleFactors{h, v};
        case 1: return odd(i) ? ScaleFactors{h, -v} : ScaleFactors{h, v};
        case 2: return odd(i) ? ScaleFactors{-h, -v} : ScaleFactors{h, v};
        case 3: return odd(i) ? ScaleFactors{-h, -v} : ScaleFactors{h / 2, v / 2};
        case 4: return odd(i) ? ScaleFactors{h, -v} : ScaleFactors{-h, v};
        case 5: return odd(i) ? ScaleFactors{-h, v} : ScaleFactors{h, -v};
        case 6:
            if (!odd(i) && odd(j)) return {h, -v};
            if (odd(i) && !odd(j)) return {-h, v};
            return {h, v};
        case 7: return differ ? ScaleFactors{-h, -v} : ScaleFactors{h, v};
        case 8:
        case 9: return differ ? ScaleFactors{h, -v} : ScaleFactors{h, v};
        case 10: return differ ? ScaleFactors{-h, -v} : ScaleFactors{h / 2, v / 2};
        case 11: return differ ? ScaleFactors{-h / 2, v} : ScaleFactors{h, -v / 2};
        case 12: return differ ? ScaleFactors{h / 2, -v} : ScaleFactors{-h, v / 2};
        default: return {0, 0};
    }
}

}  // namespace drag
