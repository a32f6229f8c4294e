// The values the driver works out once per processed drag event and shares with the mode
// and the per-copy steps.
#ifndef QT_DRAG_EVENT_H
#define QT_DRAG_EVENT_H

#include "sdk/quen_tarb_sdk.h"

namespace drag {

struct Event {
    AIReal V = 1.0f;  // pressure factor
    AIReal H = 1.0f;  // length factor
    AIReal pageWidth = 0.0f;
    AIReal pageHeight = 0.0f;
    AIReal halfWidth = 0.0f;     // page half-size; the zoom tool's view mode replaces it
    AIReal halfHeight = 0.0f;    // with the view centre for the pattern origins
    ASInt32 swatchCount = 0;     // S
    AIArtHandle path = nullptr;  // D; null for the zoom tool
    ASInt32 tally = 0;           // T
    ASInt32 transformFlags = kTransformObjects | kTransformFillGradients | kScaleLines;  // 19
};

}  // namespace drag

#endif
