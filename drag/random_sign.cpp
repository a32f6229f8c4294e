// A random sign from one draw.
#include "drag/random_sign.h"

#include "frame/suite_pointers.h"

namespace drag {

AIReal randomSign() { return sAIRandom->FloatRnd() > 0.5f ? -1.0f : 1.0f; }

}  // namespace drag
