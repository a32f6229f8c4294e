// Framed mode: which cells lie on the frame and the extra turn each edge gives its cells.
#ifndef QT_DRAG_FRAMED_EDGES_H
#define QT_DRAG_FRAMED_EDGES_H

#include <cstdint>

#include "sdk/quen_tarb_sdk.h"

namespace drag {

struct FrameShape {
    int32_t rows = 0;
    int32_t columns = 0;
};

// A further rotation of a cell, when `turns` is set.
struct EdgeTurn {
    bool turns = false;
    AIReal angle = 0.0f;
};

// The first and last row and the first and last column; never the inside.
bool onFrameBorder(const FrameShape& frame, int32_t r, int32_t c);

// The turn of a border cell by edge mode (0 default, 1 turn 1, 2 turn 2, 3 flip,
// 4 randomized). Mode 4 takes one draw.
EdgeTurn framedEdgeTurn(int32_t mode, const FrameShape& frame, int32_t r, int32_t c);

}  // namespace drag

#endif
