// One colour mode applied to one paint (colour and paint flag) of a copy in a series.
// Shared by the fill and the stroke; the caller reads and writes the path style.
#ifndef QT_STYLING_COLOR_MODES_H
#define QT_STYLING_COLOR_MODES_H

#include "sdk/quen_tarb_sdk.h"

namespace styling {

// Where a copy sits in its series and which swatches it may use.
struct SeriesPlace {
    int32_t swatchCount;   // S
    int32_t swatchOption;  // w
    int32_t half;          // h = P / 2
    int32_t index;         // i
    int32_t cycle;         // P
};

// What a colour mode changes: the fill (or stroke) colour and its paint flag, in place.
struct PaintTarget {
    AIColor& color;
    ASBoolean& paint;
};

// Applies mode 1 to 14 to `target`. Gray, four-colour and three-colour colours change;
// other kinds keep their values except in mode 4, which replaces the whole colour.
void applyColorMode(int32_t mode, PaintTarget target, const SeriesPlace& place);

}  // namespace styling

#endif
