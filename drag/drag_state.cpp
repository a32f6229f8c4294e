// The drag state and its start at mouse-down.
#include "drag/drag_state.h"

#include "options/store.h"

namespace drag {

namespace {

constexpr int kClearedPoints = 22;  // point1 entries 0..21; 22..24 keep their values

}  // namespace

DragState state;

void beginDrag(AIRealPoint cursor) {
    state.startingPoint = cursor;
    state.resizeaccvalue_5 = 100.0f;
    state.scalehvalue_10 = state.scalevvalue_10 = state.fadefillaccvalue_10 = 1.0f;
    state.lastposition_10 = cursor;
    g::count_10 = 0;
    state.count = 0;
    state.point1[0] = cursor;
    for (int i = 1; i < kClearedPoints; ++i) state.point1[i] = AIRealPoint{0.0f, 0.0f};
    state.keydown = true;
    state.pointcount = 0;
}

}  // namespace drag
