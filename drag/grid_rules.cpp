// Grid mode cell rules. Fractions are single precision: 1/3 is 1.0f / 3 and so on.
#include "drag/grid_rules.h"

#include <initializer_list>

namespace drag {

namespace {

bool odd(int32_t n) { return n % 2 != 0; }

// True in the first half of each period (n mod 4 in {0, 1}); two cells that differ here
// lie in blocks of period / 2 rows or columns of opposite colour.
bool inFirstHalf(int32_t n, int32_t period) { return n % period < period / 2; }

ScaleFactors same(AIReal value) { return {value, value}; }

// Rules that pick a value by n mod the table's length.
ScaleFactors byRemainder(int32_t n, std::initializer_list<AIReal> values) {
    const int32_t size = static_cast<int32_t>(values.size());
    return same(values.begin()[n % size]);
}

}  // namespace

bool gridCheckDrops(int32_t option, int32_t r, int32_t k) {
    switch (option) {
        case 1: return odd(r + k);
        case 2: return inFirstHalf(r, 4) != inFirstHalf(k, 4);
        case 3: return inFirstHalf(r, 6) != inFirstHalf(k, 6);
        case 4: return (r % 3 == 0 && k % 3 == 1) || (r % 3 == 1 && k % 3 == 0);
        case 5: return (r % 3 == 0 && k % 3 == 2) || (r % 3 == 2 && k % 3 == 0);
        case 6: return !odd(r + k);
        case 7: return (r % 3 == 0 && k % 3 == 0) || (r % 3 == 1 && k % 3 == 1);
        case 8: return (r % 4 == 0 && k % 4 == 0) || (r % 4 == 1 && k % 4 == 1);
        case 9: return (r % 4 == 0 && k % 4 == 1) || (r % 4 == 1 && k % 4 == 0);
        default: return false;
    }
}

bool gridTurns(int32_t option, int32_t r, int32_t k) {
    switch (option) {
        case 1: return odd(r + k);
        case 2: return (r % 3 == 0 && k % 3 == 1) || (r % 3 == 1 && k % 3 == 0);
        case 3: return odd(k);
        case 4: return odd(r);
        default: return false;
    }
}

bool gridScaleRuleDraws(int32_t rule) { return rule == 27 || rule == 28; }

ScaleFactors gridScaleRule(int32_t rule, int32_t n, AIReal draw) {
    const AIReal half = 1.0f / 2;
    const AIReal third = 1.0f / 3;
    const AIReal quarter = 1.0f / 4;
    switch (rule) {
        case 1:
        case 6:
        case 13: return same(odd(n) ? half : 1.0f);
        case 2:
        case 7: return same(n % 3 != 0 ? half : 1.0f);
        case 3: return same(n % 4 != 0 ? half : 1.0f);
        case 4: return same(odd(n) ? quarter : 1.0f);
        case 5: return same(odd(n) ? 1.0f / 8 : 1.0f);
        case 8: return same(1.0f / static_cast<AIReal>(n + 1));
        case 9:
            if (n % 4 != 0) return {quarter, 1.0f / 6};
            if (n % 3 != 0) return {third, quarter};
            return same(1.0f);
        case 10:
            if (n % 5 != 0) return same(1.0f / 6);
            if (odd(n)) return same(1.0f / 5);
            if (n % 3 != 0) return same(quarter);
            return same(1.0f);
        case 11: return same(1.0f / static_cast<AIReal>(n + 2));
        case 12: return same(1.0f / static_cast<AIReal>(n + 3));
        case 14: return same(1.0f / static_cast<AIReal>(n % 3 + 1));
        case 15: return same(1.0f / static_cast<AIReal>(n % 4 + 1));
        case 16: return same(odd(n) ? 1.0f : half);
        case 17: return same(n % 10 == 0 ? 1.0f : half);
        case 18: return same(n % 6 == 0 ? 1.0f : half);
        case 19:
        case 23: return same(n % 6 == 0 ? 1.0f : third);
        case 20: return same(n % 6 == 0 ? 1.0f / static_cast<AIReal>(n + 1) : third);
        case 21: return same(n % 6 == 0 ? 1.0f : quarter);
        case 22: return same(n % 15 == 0 ? 1.0f : half);
        case 24: return same(n % 12 == 5 ? 1.0f : half);
        case 25: return same(n % 20 == 17 ? 1.0f : third);
        case 26: return same(n % 20 == 18 ? 1.0f : quarter);
        case 27: return same(odd(n) ? draw : 1.0f);
        case 28: return same(n % 3 != 0 ? draw : 1.0f);
        case 29: return byRemainder(n, {1.0f, half, third, quarter, 1.0f / 5});
        case 30: return byRemainder(n, {1.0f / 5, quarter, third, half, 1.0f});
        case 31: return byRemainder(n, {1.0f, half, third, quarter, 1.0f / 5, 1.0f / 6, 1.0f / 7});
        case 32: return byRemainder(n, {1.0f, 4.0f / 5, 3.0f / 5, 2.0f / 5, 1.0f / 5});
        case 33: return byRemainder(n, {1.0f, 5.0f / 6, 4.0f / 6, 3.0f / 6, 2.0f / 6, 1.0f / 6});
        case 34:
            if (odd(n)) return same(1.0f);
            return same(n % 3 == 1 ? quarter : half);
        case 35:
            if (n % 3 != 0) return same(1.0f);
            return same(n % 5 == 1 ? quarter : half);
        case 36:
            if (!odd(n)) return same(1.0f);
            return same(n % 4 == 1 ? 1.0f / 6 : third);
        case 37: return byRemainder(n, {1.0f, half, third, quarter, third, half, 1.0f});
        case 38: return byRemainder(n, {1.0f / 5, quarter, third, half, 1.0f, half, third, quarter});
        case 39: return byRemainder(n, {1.0f / 6, quarter, half, 1.0f, half, quarter, 1.0f / 6});
        case 40:
            return byRemainder(
                n, {1.0f / 8, 1.0f / 6, 1.0f / 5, third, 1.0f, third, 1.0f / 5, 1.0f / 6, 1.0f / 8});
        case 41: return byRemainder(n, {quarter, half, quarter, 1.0f, quarter, half, quarter});
        case 42: return byRemainder(n, {1.0f, half, third, 1.0f, third, half, 1.0f});
        default: return same(1.0f);
    }
}

}  // namespace drag
