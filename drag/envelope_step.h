// Step 13 of every copy: wrap it in an envelope of its own shape, then maybe warp it.
#ifndef QT_DRAG_ENVELOPE_STEP_H
#define QT_DRAG_ENVELOPE_STEP_H

#include "sdk/quen_tarb_sdk.h"

namespace drag {

// The envelope warp, when the tool's Warp switch is on.
ASErr envelopeStep(AIArtHandle art, bool warpSwitch);

}  // namespace drag

#endif
