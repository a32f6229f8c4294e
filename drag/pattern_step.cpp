// The pattern step: the pattern option picks an origin and a figure group for the copy.
#include "drag/pattern_step.h"

#include "drag/drag_state.h"
#include "options/store.h"
#include "styling/patterns.h"

namespace {

constexpr int32_t kLastPattern = 57;

// Origin candidate c1..c14; (cx, cy) is the art centre the tool worked out. The page centre
// comes from the event so that a mode may put the view centre in its place.
// clang-format off
AIRealPoint originCandidate(int32_t c, const drag::Event& event, AIReal cx, AIReal cy) {
    const AIRealPoint s = drag::state.startingPoint;
    const AIRealPoint e = drag::state.endPoint;
    switch (c) {
        case 1: return {event.halfWidth, event.halfHeight};
        case 2: return e;
        case 3: return s;
        case 4: return {cx, cy};
        case 5: return {cx, 0};
        case 6: return {0, cy};
        case 7: return {event.halfWidth, 0};
        case 8: return {0, event.halfHeight};
        case 9: return {s.h, 0};
        case 10: return {0, s.v};
        case 11: return {e.h, 0};
        case 12: return {0, e.v};
        case 13: return {e.h, s.v};
        default: return {s.h, e.v};  // c14
    }
}
// clang-format on

struct PatternChoice {
    int32_t candidate;
    int32_t group;
};

// 1-14: c1..c14, group 1; 15-27: c1..c13, group 2; 28: c14, group 3; 29-42: c1..c14,
// group 3; 43: c14, group 4; 44-57: c1..c14, group 4.
PatternChoice choose(int32_t option) {
    if (option <= 14) return {option, 1};
    if (option <= 27) return {option - 14, 2};
    if (option == 28) return {14, 3};
    if (option <= 42) return {option - 28, 3};
    if (option == 43) return {14, 4};
    return {option - 43, 4};
}

}  // namespace

namespace drag {

ASErr patternStep(const Event& event, AIArtHandle art, int32_t b, AIReal cx, AIReal cy) {
    if (g::patternoptions < 1 || g::patternoptions > kLastPattern) return kNoErr;
    const PatternChoice choice = choose(g::patternoptions);
    const AIRealPoint origin = originCandidate(choice.candidate, event, cx, cy);
    return ::patternoptions(art, static_cast<uint8_t>(b != 0), origin.h, origin.v, choice.group);
}

}  // namespace drag
