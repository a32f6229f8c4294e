// Fill and stroke colour series along a row of copies.
#ifndef QT_STYLING_COLORS_H
#define QT_STYLING_COLORS_H

#include "sdk/quen_tarb_sdk.h"

// mode: popup entry 0..14; S: swatch count; w: swatch option; h: P / 2; i: copy index;
// P: the cycle. Mode 0 makes no host call.
void filloptions(int32_t mode, AIArtHandle art, int32_t S, int32_t w, int32_t h, int32_t i, int32_t P);
void strokeoptions(int32_t mode, AIArtHandle art, int32_t S, int32_t w, int32_t h, int32_t i, int32_t P);

#endif
