// Placeholder until the scaledown mode lands: makes nothing.
#include "drag/driver.h"

namespace drag {

ASErr scaledownTool(Event&) { return kNoErr; }

}  // namespace drag
