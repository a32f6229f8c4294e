// Zoom mode geometry: the frame the lines start from, the random edge points, each mode's
// start anchor and end candidate, and the jittered handles of an anchor.
#ifndef QT_DRAG_ZOOM_POINTS_H
#define QT_DRAG_ZOOM_POINTS_H

#include <cstdint>

#include "sdk/quen_tarb_sdk.h"

namespace drag {

// The page (origin 0, 0) or the document view: origin at the bottom-left corner.
struct ZoomFrame {
    AIReal x = 0.0f;
    AIReal y = 0.0f;
    AIReal width = 0.0f;
    AIReal height = 0.0f;
};

struct ZoomLine {
    AIRealPoint start;  // S
    AIRealPoint end;    // the end candidate E
};

// A random point on one of the frame's edges: left with probability 0.3, right 0.21,
// bottom 0.147, top 0.343 (two to four draws).
AIRealPoint zoomEdgePoint(const ZoomFrame& frame);

// S and E of one line for zoom mode `mode` (0 to 5); an unknown mode acts as mode 0.
ZoomLine zoomLine(int32_t mode, const ZoomFrame& frame);

// A segment at `anchor` with its handles jittered by up to `curve` points, eight draws in
// the order in.h, in.v, out.h, out.v (a sign draw, then a magnitude draw, for each).
AIPathSegment zoomSegment(AIRealPoint anchor, AIReal curve);

}  // namespace drag

#endif
