// Mirrored-copy figures about an origin (pattern groups 1 to 4).
#ifndef QT_STYLING_PATTERNS_H
#define QT_STYLING_PATTERNS_H

#include "sdk/quen_tarb_sdk.h"

// Builds the figure of `group` from `art` about (x, y); other groups do nothing and return 0.
ASErr patternoptions(AIArtHandle art, uint8_t beneath, AIReal x, AIReal y, int32_t group);

#endif
