// The fifteen colour modes on one colour. Arithmetic is the host's single precision with i
// and P converted to reals, so that i / P is never an integer division; results are not
// clamped. A cycle P of 0 (one copy, process value 0) has no fraction i / P: the series
// modes then leave the colour as it is rather than write infinities or NaNs.
#include "styling/color_modes.h"

#include <algorithm>

#include "frame/suite_pointers.h"

namespace styling {
namespace {

int componentCount(ASInt32 kind) {
    switch (kind) {
        case kGrayColor: return 1;
        case kFourColor: return 4;
        case kThreeColor: return 3;
        default: return 0;
    }
}

// Gray and four-colour are ink amounts (0 is white); three-colour is light (1 is white).
bool isLight(ASInt32 kind) { return kind == kThreeColor; }

bool isOdd(int32_t i) { return i % 2 == 1; }

AIReal draw() { return sAIRandom->FloatRnd(); }

// The colour of swatch n of the document, or false when the host has no such swatch.
bool swatchColor(int32_t n, AIColor* color) {
    AISwatchRef swatch = sAISwatchList->GetNthSwatch(nullptr, n);
    if (swatch == nullptr) return false;
    AIColor found{};
    if (sAISwatchList->GetAIColor(swatch, &found) != kNoErr) return false;
    *color = found;
    return true;
}

// Swatches 0 and 1 ([None], [Registration]) are never used: any index of 1 or below is 2.
int32_t usableSwatch(int32_t n) { return n <= 1 ? 2 : n; }

// One component x at fraction i of cycle P, for the modes that move along the series.
// The caller has made sure P is not 0.
AIReal toWhite(ASInt32 kind, AIReal x, AIReal i, AIReal P) {
    return isLight(kind) ? x + (1 - x) * i / P : x - i * x / P;
}

AIReal toBlack(ASInt32 kind, AIReal x, AIReal i, AIReal P) {
    return isLight(kind) ? x - i * x / P : x + (1 - x) * i / P;
}

// Mode 13 compares x with 1 - x/2 but moves by (1 - x) either way; gray always moves down.
AIReal toHalfInverted(ASInt32 kind, AIReal x, AIReal i, AIReal P) {
    if (kind == kGrayColor) return x - (1 - x) * i / (2 * P);
    return x > 1 - x / 2 ? x - (1 - x) * i / (2 * P) : x + (1 - x) * i / (2 * P);
}

// Modes that move every component along the series (1, 2, 5, 6, 7, 8, 13, 14).
void moveAlongSeries(int32_t mode, AIColor& color, int count, const SeriesPlace& place,
                     const AIColor* target) {
    if (place.cycle == 0) return;
    const ASInt32 kind = color.kind;
    const AIReal P = static_cast<AIReal>(place.cycle);
    // Mode 5 runs back toward the art's own colour after the midpoint h.
    const int32_t index = (mode == 5 && place.index > place.half) ? place.half - place.index : place.index;
    const AIReal i = static_cast<AIReal>(index);
    for (int k = 0; k < count; ++k) {
        AIReal& x = color.c.values[k];
        switch (mode) {
            case 1:
            case 5: x = toWhite(kind, x, i, P); break;
            case 2: x = toBlack(kind, x, i, P); break;
            case 6:
                if (target != nullptr) x = x + (target->c.values[k] - x) * i / P;
                break;
            case 7: x = x - i * x / (2 * P); break;
            case 8: x = x + ((1 - x) - x) * i / P; break;
            case 13: x = toHalfInverted(kind, x, i, P); break;
            // Leaves a tenth of each component at i = P.
            case 14: x = static_cast<AIReal>(x + (x * -0.9 * i) / P); break;
            default: break;
        }
    }
}

// Mode 3: one draw per component in order; four-colour keeps k's share (k = k x draw).
void randomColor(AIColor& color, int count) {
    for (int k = 0; k < count; ++k) {
        const bool scalesBlack = color.kind == kFourColor && k == 3;
        color.c.values[k] = scalesBlack ? color.c.values[k] * draw() : draw();
    }
}

// Mode 4: one draw picks swatch min(S, floor(S x draw) + 1); its whole colour replaces ours.
void randomSwatch(PaintTarget target, const SeriesPlace& place) {
    const AIReal scaled = static_cast<AIReal>(place.swatchCount) * draw();
    const int32_t n = usableSwatch(std::min(place.swatchCount, static_cast<int32_t>(scaled) + 1));
    swatchColor(n, &target.color);
    target.paint = true;
}

// Modes 9 to 12 change odd copies only.
void alternate(int32_t mode, AIColor& color, int count, const AIColor* target) {
    const bool light = isLight(color.kind);
    for (int k = 0; k < count; ++k) {
        AIReal& x = color.c.values[k];
        switch (mode) {
            case 9: x = light ? 1.0f : 0.0f; break;
            case 10: x = light ? 0.0f : 1.0f; break;
            case 11:
                if (target != nullptr) x = target->c.values[k];
                break;
            case 12: x = 1 - x; break;
            default: break;
        }
    }
}

}  // namespace

void applyColorMode(int32_t mode, PaintTarget target, const SeriesPlace& place) {
    if (mode == 4) {
        randomSwatch(target, place);
        return;
    }
    // Modes 6 and 11 read the swatch the option names, components taken by position.
    AIColor swatch{};
    bool haveSwatch = false;
    if (mode == 6 || mode == 11) {
        const int32_t n = usableSwatch(std::min(place.swatchCount, place.swatchOption));
        haveSwatch = swatchColor(n, &swatch);
        target.paint = true;
    }
    if (mode == 12) target.paint = true;

    AIColor& color = target.color;
    const int count = componentCount(color.kind);
    if (count == 0) return;
    const AIColor* swatchTarget = haveSwatch ? &swatch : nullptr;
    switch (mode) {
        case 3: randomColor(color, count); break;
        case 9:
        case 10:
        case 11:
        case 12:
            if (isOdd(place.index)) alternate(mode, color, count, swatchTarget);
            break;
        default: moveAlongSeries(mode, color, count, place, swatchTarget); break;
    }
}

}  // namespace styling
