// Placeholder until the bounce_along mode lands: makes nothing.
#include "drag/driver.h"

namespace drag {

ASErr bounceAlongTool(Event&) { return kNoErr; }

}  // namespace drag
