// Placeholder until the framed mode lands: makes nothing.
#include "drag/driver.h"

namespace drag {

ASErr framedTool(Event&) { return kNoErr; }

}  // namespace drag
