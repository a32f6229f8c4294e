// Placeholder until the drag mode lands: makes nothing.
#include "drag/driver.h"

namespace drag {

ASErr dragTool(Event&) { return kNoErr; }

}  // namespace drag
