// The 24 drag path shapes: fixed shapes from startingPoint to endPoint and the
// point-collecting shapes that draw through point1.
#ifndef QT_DRAG_SHAPES_H
#define QT_DRAG_SHAPES_H

#include "sdk/quen_tarb_sdk.h"

namespace drag {

// Builds shape `shape` (currentpath) into the new path art `path`; H is the length factor.
// Returns the code of the first failing segment write; a shape above 23 writes nothing.
ASErr buildDragPath(AIArtHandle path, ASInt32 shape, AIReal H);

// True for the point-list shapes (6 to 10, 12, 16), whose pointcount is the line tally.
bool isPointListShape(ASInt32 shape);

}  // namespace drag

#endif
