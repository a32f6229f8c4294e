// Scaledown apply modes. Fractions divide the running scales; negative results mirror the
// copy about its centre; modes 11 to 14 fall back to the base step of the options.
#include "drag/scaledown_scaling.h"

#include "drag/mirror_rules.h"
#include "frame/suite_pointers.h"
#include "options/store.h"

namespace drag {

namespace {

bool odd(int32_t x) { return x % 2 != 0; }

ScaleFactors half(AIReal h, AIReal v) { return {h / 2, v / 2}; }

// Modes 11 and 12: a running scale that fell below the limit starts again from the step.
ScaleFactors floorAt(AIReal limit, AIReal h, AIReal v) {
    return {h < limit ? g::scalehvalue_6 / 100 : h, v < limit ? g::scalevvalue_6 / 100 : v};
}

// Modes 13 and 14: every few calls the copy shows the base step instead.
ScaleFactors resetEvery(AIReal limit, AIReal h, AIReal v, AIReal& counter) {
    if (counter > limit) {
        counter = 1;
        return {g::scalehvalue_6 / 100, g::scalevvalue_6 / 100};
    }
    counter += 1;
    return {h, v};
}

}  // namespace

ScaleFactors scaledown_scaling(int32_t mode, AIReal h, AIReal v, int32_t i, int32_t j, AIReal& counter) {
    switch (mode) {
        case 0: return {h, v};
        case 1:
        case 6: return odd(i) ? half(h, v) : ScaleFactors{h, v};
        case 2:
        case 7: return i % 3 != 0 ? half(h, v) : ScaleFactors{h, v};
        case 3: return i % 4 != 0 ? half(h, v) : ScaleFactors{h, v};
        case 4: return odd(i) ? ScaleFactors{h / 4, v / 4} : ScaleFactors{h, v};
        case 5: return odd(i) ? ScaleFactors{h / 8, v / 8} : ScaleFactors{h, v};
        case 8: {
            const AIReal d = static_cast<AIReal>(i + 1);
            return {h / d, v / d};
        }
        case 9: return {h < 0.5f ? 0.5f : h, v < 0.5f ? 0.5f : v};
        case 10: {
            const AIReal r = sAIRandom->FloatRnd();
            counter = r;
            return {h > r ? h : r, v > r ? v : r};
        }
        case 11: return floorAt(0.5f, h, v);
        case 12: return floorAt(0.2f, h, v);
        case 13: return resetEvery(3, h, v, counter);
        case 14: return resetEvery(5, h, v, counter);
        case 15:
            if (i % 4 != 0) return {h / 4, v / 6};
            if (i % 3 != 0) return {h / 3, v / 4};
            if (odd(i)) return half(h, v);
            return {h, v};
        case 16:
            if (i % 5 != 0) return {h / 3, v / 2};
            if (odd(i)) return {h / 5, v / 2};
            if (i % 3 != 0) return {h / 4, v / 3};
            return {h, v};
        case 17: return odd(i) ? ScaleFactors{v, h} : ScaleFactors{h, v};
        case 18: return i % 3 != 0 ? ScaleFactors{v, h} : ScaleFactors{h, v};
        default:
            // 19 to 31: the mirror rules.
            return mirrorRule(mode - 19, h, v, i, j);
    }
}

}  // namespace drag
