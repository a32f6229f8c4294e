// Zoom mode geometry. Every random value comes from the host, in the order written here.
#include "drag/zoom_points.h"

#include "drag/drag_state.h"
#include "frame/suite_pointers.h"
#include "options/store.h"

namespace drag {

namespace {

AIReal draw() { return sAIRandom->FloatRnd(); }

// The zoom mode's sign: -1 when the draw times 10 is above 5.
AIReal zoomSign() { return draw() * 10.0f > 5.0f ? -1.0f : 1.0f; }

AIReal jittered(AIReal coordinate, AIReal curve) {
    const AIReal sign = zoomSign();
    const AIReal magnitude = draw();
    return magnitude * curve * sign + coordinate;
}

// Points on the frame's vertical or horizontal line through a given coordinate.
AIRealPoint onVerticalThrough(AIReal h, const ZoomFrame& frame) {
    return {h, frame.y + draw() * frame.height};
}
AIRealPoint onHorizontalThrough(AIReal v, const ZoomFrame& frame) {
    return {frame.x + draw() * frame.width, v};
}

}  // namespace

AIRealPoint zoomEdgePoint(const ZoomFrame& frame) {
    if (draw() * 10.0f > 7.0f) return onVerticalThrough(frame.x, frame);
    if (draw() * 10.0f > 7.0f) return onVerticalThrough(frame.x + frame.width, frame);
    if (draw() * 10.0f > 7.0f) return onHorizontalThrough(frame.y, frame);
    return onHorizontalThrough(frame.y + frame.height, frame);
}

ZoomLine zoomLine(int32_t mode, const ZoomFrame& frame) {
    const AIRealPoint from = drag::state.startingPoint;
    const AIRealPoint to = drag::state.endPoint;
    ZoomLine line;
    switch (mode) {
        case 1:  // grid: a left-right or a top-down line, at random
            if (draw() * 10.0f > 5.0f) {
                line.start = onVerticalThrough(from.h, frame);
                line.end = {to.h, line.start.v};
            } else {
                line.start = onHorizontalThrough(from.v, frame);
                line.end = {line.start.h, to.v};
            }
            return line;
        case 2:  // left right
            line.start = onVerticalThrough(from.h, frame);
            line.end = {to.h, line.start.v};
            return line;
        case 3:  // top down
            line.start = onHorizontalThrough(from.v, frame);
            line.end = {line.start.h, to.v};
            return line;
        case 4:  // bottom zoom
            line.start = onHorizontalThrough(from.v, frame);
            line.end = to;
            return line;
        case 5:  // abstract: from one edge to another
            line.start = zoomEdgePoint(frame);
            line.end = zoomEdgePoint(frame);
            return line;
        default:  // zoom: from an edge to the mouse
            line.start = zoomEdgePoint(frame);
            line.end = to;
            return line;
    }
}

AIPathSegment zoomSegment(AIRealPoint anchor, AIReal curve) {
    AIPathSegment segment{};
    segment.p = anchor;
    segment.in.h = jittered(anchor.h, curve);
    segment.in.v = jittered(anchor.v, curve);
    segment.out.h = jittered(anchor.h, curve);
    segment.out.v = jittered(anchor.v, curve);
    segment.corner = false;
    return segment;
}

}  // namespace drag
