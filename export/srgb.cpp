// Colour conversion for the exporters.
#include "export/srgb.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <iterator>

namespace qtexport {

namespace {

double clamp01(double x) { return std::isnan(x) ? 0.0 : std::clamp(x, 0.0, 1.0); }

}  // namespace

Rgb toSrgb(const AIColor& color) {
    switch (color.kind) {
        case kGrayColor: {
            double light = 1.0 - clamp01(color.c.g.gray);
            return {light, light, light};
        }
        case kFourColor: {
            double k = clamp01(color.c.f.black);
            return {(1.0 - clamp01(color.c.f.cyan)) * (1.0 - k),
                    (1.0 - clamp01(color.c.f.magenta)) * (1.0 - k),
                    (1.0 - clamp01(color.c.f.yellow)) * (1.0 - k)};
        }
        case kThreeColor:
            return {clamp01(color.c.rgb.red), clamp01(color.c.rgb.green), clamp01(color.c.rgb.blue)};
        default: return {};
    }
}

uint32_t rgbBytes(const Rgb& rgb) {
    auto byte = [](double x) { return static_cast<uint32_t>(std::lround(clamp01(x) * 255.0)); };
    return byte(rgb.r) << 16 | byte(rgb.g) << 8 | byte(rgb.b);
}

std::string hexColor(const Rgb& rgb) {
    char text[8];
    std::snprintf(text, sizeof text, "#%06x", static_cast<unsigned>(rgbBytes(rgb)));
    return text;
}

const char* blendModeCss(ASInt32 mode) {
    static const char* const kNames[] = {"normal",     "multiply",   "screen",      "overlay",
                                         "soft-light", "hard-light", "color-dodge", "color-burn",
                                         "darken",     "lighten",    "difference",  "exclusion",
                                         "hue",        "saturation", "color",       "luminosity"};
    static_assert(std::size(kNames) == kLastBlendMode + 1, "one name per blend mode");
    return mode >= kNormalBlendMode && mode <= kLastBlendMode ? kNames[mode] : "normal";
}

}  // namespace qtexport
