// Placeholder until the checkerboard mode lands: makes nothing.
#include "drag/driver.h"

namespace drag {

ASErr checkerboardTool(Event&) { return kNoErr; }

}  // namespace drag
