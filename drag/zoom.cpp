// Placeholder until the zoom mode lands: makes nothing.
#include "drag/driver.h"

namespace drag {

ASErr zoomTool(Event&) { return kNoErr; }

}  // namespace drag
