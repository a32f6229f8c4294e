// Placement above or beneath: which copies of a series go below all other art.
#include "drag/beneath.h"

#include "frame/suite_pointers.h"
#include "options/store.h"

namespace {

bool even(int32_t x) { return x % 2 == 0; }
bool odd(int32_t x) { return x % 2 == 1; }
bool mod3(int32_t x, int32_t r) { return x % 3 == r; }

// Single-row form: i is the copy index, T the line tally.
// clang-format off
bool beneathInRow(int32_t option, int32_t i, int32_t T) {
    switch (option) {
        case 1: return true;
        case 2: return even(i);
        case 3: return odd(i);
        case 5: return (even(T) && even(i)) || (odd(T) && odd(i));
        case 6: return (even(T) && odd(i)) || (odd(T) && even(i));
        case 7: return even(T) && even(i);
        case 8: return even(T) && odd(i);
        case 9: return odd(T) && even(i);
        case 10: return odd(T) && odd(i);
        case 11: return (even(T) && mod3(i, 0)) || (odd(T) && mod3(i, 1));
        case 12: return (even(T) && mod3(i, 1)) || (odd(T) && mod3(i, 0));
        case 13: return even(T) && mod3(i, 0);
        case 14: return even(T) && mod3(i, 1);
        case 15: return odd(T) && mod3(i, 0);
        case 16: return odd(T) && mod3(i, 1);
        default: return false;
    }
}
// clang-format on

// Grid form: r is the row, k the column. Options 6 and 12 test the same column class in
// both halves, unlike the row form.
// clang-format off
bool beneathInGrid(int32_t option, int32_t r, int32_t k, int32_t T) {
    switch (option) {
        case 1: return true;
        case 2: return even(r) && even(k);
        case 3: return odd(r) && odd(k);
        case 5: return (even(T) && even(r) && even(k)) || (odd(T) && odd(r) && odd(k));
        case 6: return (even(T) && odd(r) && even(k)) || (odd(T) && even(r) && even(k));
        case 7: return even(T) && even(r) && even(k);
        case 8: return even(T) && odd(r) && odd(k);
        case 9: return odd(T) && even(r) && even(k);
        case 10: return odd(T) && odd(r) && odd(k);
        case 11: return (even(T) && mod3(r, 0) && mod3(k, 0)) || (odd(T) && mod3(r, 1) && mod3(k, 1));
        case 12: return (even(T) && mod3(r, 1) && mod3(k, 0)) || (odd(T) && mod3(r, 0) && mod3(k, 0));
        case 13: return even(T) && mod3(r, 0) && mod3(k, 0);
        case 14: return even(T) && mod3(r, 1) && mod3(k, 1);
        case 15: return odd(T) && mod3(r, 0) && mod3(k, 0);
        case 16: return odd(T) && mod3(r, 1) && mod3(k, 1);
        default: return false;
    }
}
// clang-format on

}  // namespace

int32_t beneathtest(int32_t option, int32_t a, int32_t b, int32_t tally, uint8_t grid) {
    // Random placement: one draw per copy, the same in both forms.
    if (option == 4) return sAIRandom->FloatRnd() * 10 > 5 ? 1 : 0;
    const bool beneath = grid ? beneathInGrid(option, a, b, tally) : beneathInRow(option, a, tally);
    return beneath ? 1 : 0;
}

namespace drag {

int32_t beneathFlag(const Event& event, int32_t a, int32_t b, uint8_t grid) {
    if (g::beneathoptions == 0) return 0;
    return beneathtest(g::beneathoptions, a, b, event.tally, grid);
}

}  // namespace drag
