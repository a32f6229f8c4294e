// The grid mode's per-cell rules: which cells the checkerboard leaves out, which cells get
// a quarter turn, and the 43 per-column / per-row scale rules.
#ifndef QT_DRAG_GRID_RULES_H
#define QT_DRAG_GRID_RULES_H

#include <cstdint>

#include "drag/scale_factors.h"
#include "sdk/quen_tarb_sdk.h"

namespace drag {

// True when the checkerboard rule `option` (0 to 9) leaves out the cell in row r, column k.
bool gridCheckDrops(int32_t option, int32_t r, int32_t k);

// True when the turn rule `option` (0 to 4) gives the cell in row r, column k a quarter turn.
bool gridTurns(int32_t option, int32_t r, int32_t k);

// Rules 27 and 28 take one draw for every cell they are asked about, whether or not they
// use it; the caller draws when this is true and passes the draw to gridScaleRule.
bool gridScaleRuleDraws(int32_t rule);

// Scale pair of rule `rule` (0 to 42) at index n (a column or a row); `draw` is read by
// rules 27 and 28 only. An unknown rule scales by 1.
ScaleFactors gridScaleRule(int32_t rule, int32_t n, AIReal draw);

}  // namespace drag

#endif
