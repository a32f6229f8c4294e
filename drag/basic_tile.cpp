// Placeholder until the basic_tile mode lands: makes nothing.
#include "drag/driver.h"

namespace drag {

ASErr basicTileTool(Event&) { return kNoErr; }

}  // namespace drag
