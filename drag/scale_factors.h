// A horizontal and a vertical scale factor, as the grid, scaledown and windmill rules give
// them per copy (a negative factor mirrors the copy about its centre).
#ifndef QT_DRAG_SCALE_FACTORS_H
#define QT_DRAG_SCALE_FACTORS_H

#include "sdk/quen_tarb_sdk.h"

namespace drag {

struct ScaleFactors {
    AIReal h;
    AIReal v;
};

}  // namespace drag

#endif
