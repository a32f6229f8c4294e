// Placeholder until the rim_random mode lands: makes nothing.
#include "drag/driver.h"

namespace drag {

ASErr rimRandomTool(Event&) { return kNoErr; }

}  // namespace drag
