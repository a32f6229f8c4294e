// Step 12 of every copy: the pattern option picks an origin and a figure group.
#ifndef QT_DRAG_PATTERN_STEP_H
#define QT_DRAG_PATTERN_STEP_H

#include "drag/event.h"

namespace drag {

// The pattern figure of `art`, with (cx, cy) as the art centre and b its beneath flag.
ASErr patternStep(const Event& event, AIArtHandle art, int32_t b, AIReal cx, AIReal cy);

}  // namespace drag

#endif
