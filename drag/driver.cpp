// Placeholder until the driver lands.
#include "drag/driver.h"

ASErr tooldrag(AIRealPoint, ASInt16, uint8_t) { return kNoErr; }
