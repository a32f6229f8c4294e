// Windmill turn modes. The ripples run a sine over the copy's place on the circle,
// (i + 1) * 360 / n degrees, through the host's real math.
#include "drag/windmill_turn.h"

#include "frame/suite_pointers.h"

namespace drag {

namespace {

AIReal rippleAngle(int32_t i, int32_t n) {
    const AIReal degrees = static_cast<AIReal>((i + 1) * 360) / static_cast<AIReal>(n);
    return sAIRealMath->DegreeToRadian(degrees);
}

}  // namespace

WindmillTurn turn_function(int32_t mode, AIReal turn, int32_t i, int32_t n) {
    WindmillTurn t;
    switch (mode) {
        case 0:  // " Turn - Vertical"
            t.yr = turn;
            break;
        case 1:  // " Horizontal"
            t.xr = turn;
            break;
        case 2:  // " Shear 1"
            t.xa = turn;
            break;
        case 3:  // " Shear 2"
            t.ya = turn;
            break;
        case 4:  // " Shear 3"
            t.xr = turn;
            t.xa = turn;
            break;
        case 5:  // " Ripple 1"
            t.yr = turn * sAIRealMath->AIRealSin(rippleAngle(i, n));
            break;
        case 6:  // " Ripple 2"
            t.yr = turn * sAIRealMath->AIRealSin(5 * rippleAngle(i, n));
            break;
        case 7:  // " Ripple 3"
            t.yr = turn * sAIRealMath->AIRealSin(static_cast<AIReal>(n) * rippleAngle(i, n) * 0.25f);
            break;
        default: break;
    }
    return t;
}

}  // namespace drag
