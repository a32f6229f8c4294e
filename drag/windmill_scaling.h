// Windmill re-size modes: a per-copy horizontal and vertical factor chosen by copy index
// and line tally.
#ifndef QT_DRAG_WINDMILL_SCALING_H
#define QT_DRAG_WINDMILL_SCALING_H

#include "drag/scale_factors.h"
#include "sdk/quen_tarb_sdk.h"

namespace drag {

// mode: `windmilloptions_5` (0 " Ignore", 1 to 55 " Re-size N"); h, v: base factors;
// i: copy index; j: line tally T. Modes 27 and 28 take one draw on every call. A mode
// outside 0..55 gives (0, 0).
ScaleFactors windmill_scaling(int32_t mode, AIReal h, AIReal v, int32_t i, int32_t j);

}  // namespace drag

#endif
