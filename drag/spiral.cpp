// Placeholder until the spiral mode lands: makes nothing.
#include "drag/driver.h"

namespace drag {

ASErr spiralTool(Event&) { return kNoErr; }

}  // namespace drag
