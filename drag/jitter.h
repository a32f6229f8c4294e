// The jitter of a copy, shared by the grid, framed and rim random modes.
#ifndef QT_DRAG_JITTER_H
#define QT_DRAG_JITTER_H

#include "sdk/quen_tarb_sdk.h"

namespace drag {

// Moves the copy by up to `jitter` points each way. Four draws: the vertical sign, the
// horizontal sign, the vertical and the horizontal magnitude.
void concatJitter(AIRealMatrix* matrix, AIReal jitter);

}  // namespace drag

#endif
