// The drag driver: one call per drag event rebuilds the event's art. It reverts the drag's
// earlier art, works out the per-event values (drag/event.h), builds the drag path and runs
// the current mode (drag/modes.h).
#ifndef QT_DRAG_DRIVER_H
#define QT_DRAG_DRIVER_H

#include "sdk/quen_tarb_sdk.h"

// Called by the mouse-drag handler with the event's cursor and pressure; flag is always 0.
ASErr tooldrag(AIRealPoint point, ASInt16 pressure, uint8_t flag);

#endif
