// The drag in progress: where it started and where it stands, the points the shapes
// collect, and the running counts and scales of the modes. beginDrag starts it at
// mouse-down; the drag engine advances it event by event. It outlives the drag, as the
// modes that read it after mouse-up expect, and is all zero until the first drag.
#ifndef QT_DRAG_DRAG_STATE_H
#define QT_DRAG_DRAG_STATE_H

#include <cstdint>

#include "sdk/quen_tarb_sdk.h"

namespace drag {

struct DragState {
    AIRealPoint startingPoint{};  // the mouse-down point; some modes move it along
    AIRealPoint endPoint{};       // the cursor of the event being drawn
    AIRealPoint point1[25]{};     // points the collecting shapes keep
    bool keydown = false;
    int32_t pointcount = 0;
    int32_t count = 0;              // processed events of this drag
    AIRealPoint lastposition_10{};  // paint: where the last stamp was made
    float scalehvalue_10 = 0.0f;    // paint: the running scale and the faded opacity
    float scalevvalue_10 = 0.0f;
    float fadefillaccvalue_10 = 0.0f;
    float resizeaccvalue_5 = 0.0f;  // windmill: the running re-scale
};

extern DragState state;

// Mouse-down at `cursor`: the drag starts there with every running value at its start.
// The paint tool's stamp count (g::count_10) starts again at 0 too.
void beginDrag(AIRealPoint cursor);

}  // namespace drag

#endif
