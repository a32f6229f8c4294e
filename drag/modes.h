// The thirteen drawing modes, one unit each (drag/grid.cpp ... drag/background.cpp). The
// driver runs the current mode's branch once per processed event; a failing host call ends
// the event with the host's code.
#ifndef QT_DRAG_MODES_H
#define QT_DRAG_MODES_H

#include "drag/event.h"

namespace drag {

ASErr gridTool(Event& event);
ASErr dragTool(Event& event);
ASErr zoomTool(Event& event);
ASErr framedTool(Event& event);
ASErr rimRandomTool(Event& event);
ASErr windmillTool(Event& event);
ASErr scaledownTool(Event& event);
ASErr bounceAlongTool(Event& event);
ASErr spiralTool(Event& event);
ASErr checkerboardTool(Event& event);
ASErr paintTool(Event& event);
ASErr basicTileTool(Event& event);
ASErr backgroundTool(Event& event);

}  // namespace drag

#endif
