// A random sign, as the jitter and the envelope's distortions draw it.
#ifndef QT_DRAG_RANDOM_SIGN_H
#define QT_DRAG_RANDOM_SIGN_H

#include "sdk/quen_tarb_sdk.h"

namespace drag {

// One draw: -1 when the draw is above 0.5, else +1.
AIReal randomSign();

}  // namespace drag

#endif
