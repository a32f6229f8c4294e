// Placeholder until the grid mode lands: makes nothing.
#include "drag/driver.h"

namespace drag {

ASErr gridTool(Event&) { return kNoErr; }

}  // namespace drag
