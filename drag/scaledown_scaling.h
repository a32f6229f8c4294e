// Scaledown apply modes: alter the running scale of single copies by index and line tally.
#ifndef QT_DRAG_SCALEDOWN_SCALING_H
#define QT_DRAG_SCALEDOWN_SCALING_H

#include "drag/scale_factors.h"
#include "sdk/quen_tarb_sdk.h"

namespace drag {

// mode: `scaleoptions_6` (0 " Default apply", 1 to 31 " Apply N"); h, v: the running
// scales; i: copy index; j: line tally T; counter: the event's apply counter, starting at
// 0, which modes 10, 13 and 14 change. Mode 10 takes one draw. A mode outside 0..31 gives
// (0, 0).
ScaleFactors scaledown_scaling(int32_t mode, AIReal h, AIReal v, int32_t i, int32_t j, AIReal& counter);

}  // namespace drag

#endif
