// Placeholder until the windmill mode lands: makes nothing.
#include "drag/driver.h"

namespace drag {

ASErr windmillTool(Event&) { return kNoErr; }

}  // namespace drag
