// The jitter of a copy, shared by the modes that move each copy by a random amount.
#ifndef QT_DRAG_JITTER_H
#define QT_DRAG_JITTER_H

#include "sdk/quen_tarb_sdk.h"

namespace drag {

// Moves the copy by up to `jitterH` points across and `jitterV` points up or down. Four
// draws: the vertical sign, the horizontal sign, the vertical and the horizontal magnitude.
void concatJitter(AIRealMatrix* matrix, AIReal jitterH, AIReal jitterV);
// The same limit both ways.
void concatJitter(AIRealMatrix* matrix, AIReal jitter);

}  // namespace drag

#endif
