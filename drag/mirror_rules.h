// The mirror rules shared by the scaledown apply modes (19 to 31) and the windmill re-size
// modes (43 to 55): which copies are mirrored, and which halved, by copy index and line tally.
#ifndef QT_DRAG_MIRROR_RULES_H
#define QT_DRAG_MIRROR_RULES_H

#include <cstdint>

#include "drag/scale_factors.h"

namespace drag {

constexpr int32_t kMirrorRuleCount = 13;

// rule: 0 to 12; h, v: the factors; i: copy index; j: line tally T. Rule 0 mirrors odd
// copies horizontally, 1 vertically, 2 both ways; 3 as 2 but halves the even ones; 4 and 5
// mirror the two kinds of copy about opposite axes; 6 to 12 follow whether the parities of
// i and j differ. A rule outside 0..12 gives (0, 0).
ScaleFactors mirrorRule(int32_t rule, AIReal h, AIReal v, int32_t i, int32_t j);

}  // namespace drag

#endif
