// Windmill re-size modes. Fractions divide the base factors; negative results mirror the
// copy about its centre.
#include "drag/windmill_scaling.h"

#include <array>

#include "drag/mirror_rules.h"
#include "frame/suite_pointers.h"

namespace drag {

namespace {

ScaleFactors both(AIReal h, AIReal v, AIReal divisor) { return {h / divisor, v / divisor}; }

// Divisor by i mod the table's length, for the cyclic modes 29 to 42.
template <size_t N>
ScaleFactors cycle(AIReal h, AIReal v, int32_t i, const std::array<AIReal, N>& divisors) {
    return both(h, v, divisors[static_cast<size_t>(i) % N]);
}

bool odd(int32_t x) { return x % 2 != 0; }

}  // namespace

ScaleFactors windmill_scaling(int32_t mode, AIReal h, AIReal v, int32_t i, int32_t j) {
    switch (mode) {
        case 0: return {h, v};
        case 1:
        case 6: return odd(i) ? both(h, v, 2) : ScaleFactors{h, v};
        case 2:
        case 7: return i % 3 != 0 ? both(h, v, 2) : ScaleFactors{h, v};
        case 3: return i % 4 != 0 ? both(h, v, 2) : ScaleFactors{h, v};
        case 4: return odd(i) ? both(h, v, 4) : ScaleFactors{h, v};
        case 5: return odd(i) ? both(h, v, 8) : ScaleFactors{h, v};
        case 8: return both(h, v, static_cast<AIReal>(i + 1));
        case 9:
            if (i % 4 != 0) return {h / 4, v / 6};
            if (i % 3 != 0) return {h / 3, v / 4};
            if (odd(i)) return both(h, v, 2);
            return {h, v};
        case 10:
            if (i % 5 != 0) return both(h, v, 6);
            if (odd(i)) return both(h, v, 5);
            if (i % 3 != 0) return both(h, v, 4);
            return {h, v};
        case 11: return both(h, v, static_cast<AIReal>(i + 2));
        case 12: return both(h, v, static_cast<AIReal>(i + 3));
        case 13: return both(h, v, static_cast<AIReal>(i % 2 + 1));
        case 14: return both(h, v, static_cast<AIReal>(i % 3 + 1));
        case 15: return both(h, v, static_cast<AIReal>(i % 4 + 1));
        case 16: {
            const AIReal m = static_cast<AIReal>(i % 2 + 1);
            return {h * m / 2, v * m / 2};
        }
        case 17: return i % 10 == 0 ? ScaleFactors{h, v} : both(h, v, 2);
        case 18: return i % 6 == 0 ? ScaleFactors{h, v} : both(h, v, 2);
        case 19:
        case 23: return i % 6 == 0 ? ScaleFactors{h, v} : both(h, v, 3);
        case 20: return i % 6 == 0 ? both(h, v, static_cast<AIReal>(i + 1)) : both(h, v, 3);
        case 21: return i % 6 == 0 ? ScaleFactors{h, v} : both(h, v, 4);
        case 22: return i % 15 == 0 ? ScaleFactors{h, v} : both(h, v, 2);
        case 24: return i % 4 == 1 && i % 3 == 2 ? ScaleFactors{h, v} : both(h, v, 2);
        case 25: return i % 4 == 1 && i % 5 == 2 ? ScaleFactors{h, v} : both(h, v, 3);
        case 26: return i % 4 == 2 && i % 5 == 3 ? ScaleFactors{h, v} : both(h, v, 4);
        case 27: {
            const AIReal r = sAIRandom->FloatRnd();  // drawn whatever the index
            return odd(i) ? ScaleFactors{h * r, v * r} : ScaleFactors{h, v};
        }
        case 28: {
            const AIReal r = sAIRandom->FloatRnd();
            return i % 3 == 0 ? ScaleFactors{h, v} : ScaleFactors{h * r, v * r};
        }
        case 29: return cycle<5>(h, v, i, {1, 2, 3, 4, 5});
        case 30: return cycle<5>(h, v, i, {5, 4, 3, 2, 1});
        case 31: return cycle<7>(h, v, i, {1, 2, 3, 4, 5, 6, 7});
        case 32: {
            const AIReal m = static_cast<AIReal>(5 - i % 5);  // 5/5, 4/5 ... 1/5
            return {h * m / 5, v * m / 5};
        }
        case 33: {
            const AIReal m = static_cast<AIReal>(6 - i % 6);  // 6/6, 5/6 ... 1/6
            return {h * m / 6, v * m / 6};
        }
        case 34:
            if (odd(i)) return {h, v};
            return both(h, v, i % 3 == 1 ? 4 : 2);
        case 35:
            if (i % 3 != 0) return {h, v};
            return both(h, v, i % 5 == 1 ? 4 : 2);
        case 36:
            if (!odd(i)) return {h, v};
            return both(h, v, i % 4 == 1 ? 6 : 3);
        case 37: return cycle<7>(h, v, i, {1, 2, 3, 4, 3, 2, 1});
        case 38: return cycle<8>(h, v, i, {5, 4, 3, 2, 1, 2, 3, 4});
        case 39: return cycle<7>(h, v, i, {6, 4, 2, 1, 2, 4, 6});
        case 40: return cycle<9>(h, v, i, {8, 6, 5, 3, 1, 3, 5, 6, 8});
        case 41: return cycle<7>(h, v, i, {4, 2, 4, 1, 4, 2, 4});
        case 42: return cycle<7>(h, v, i, {1, 2, 3, 1, 3, 2, 1});
        default:
            // 43 to 55: the mirror rules.
            return mirrorRule(mode - 43, h, v, i, j);
    }
}

}  // namespace drag
