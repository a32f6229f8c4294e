// Document colours to sRGB for the exporters.
#ifndef QT_EXPORT_SRGB_H
#define QT_EXPORT_SRGB_H

#include <cstdint>
#include <string>

#include "sdk/quen_tarb_sdk.h"

namespace qtexport {

struct Rgb {
    double r = 0.0, g = 0.0, b = 0.0;  // each in [0, 1]
};

// Components are stored unclamped; they are clamped to [0, 1] here. Gray is an ink amount
// (0 white), four-colour is CMYK (naive conversion), three-colour is RGB. Other kinds: black.
Rgb toSrgb(const AIColor& color);
uint32_t rgbBytes(const Rgb& rgb);     // 0xrrggbb, each byte rounded from [0, 1]
std::string hexColor(const Rgb& rgb);  // "#rrggbb"

// Names of the sixteen blend modes, as CSS mix-blend-mode values.
const char* blendModeCss(ASInt32 mode);

}  // namespace qtexport

#endif
