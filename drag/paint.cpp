// Placeholder until the paint mode lands: makes nothing.
#include "drag/driver.h"

namespace drag {

ASErr paintTool(Event&) { return kNoErr; }

}  // namespace drag
