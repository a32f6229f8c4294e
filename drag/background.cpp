// Placeholder until the background mode lands: makes nothing.
#include "drag/driver.h"

namespace drag {

ASErr backgroundTool(Event&) { return kNoErr; }

}  // namespace drag
