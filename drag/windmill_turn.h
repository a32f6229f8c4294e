// Windmill turn modes: how each copy's place on the circle is pushed off the plain circle.
#ifndef QT_DRAG_WINDMILL_TURN_H
#define QT_DRAG_WINDMILL_TURN_H

#include "sdk/quen_tarb_sdk.h"

namespace drag {

// Added to the circle shift of one copy: xr to the horizontal radius, xa to the horizontal
// angle, yr to the vertical radius, ya to the vertical angle.
struct WindmillTurn {
    AIReal xr = 0;
    AIReal xa = 0;
    AIReal yr = 0;
    AIReal ya = 0;
};

// mode: `turnoptions_5` (0 " Turn - Vertical" ... 7 " Ripple 3"); turn: `turnvalue_5`;
// i: copy index; n: copies per circle. A mode outside 0..7 gives all zeros.
WindmillTurn turn_function(int32_t mode, AIReal turn, int32_t i, int32_t n);

}  // namespace drag

#endif
