// The default swatches: the two special ones, white, black and a small palette.
#include "host/swatches.h"

#include <algorithm>

namespace qthost {

AIColor colorInModel(ColorModel model, AIReal red, AIReal green, AIReal blue) {
    AIColor color{};
    switch (model) {
        case ColorModel::rgb:
            color.kind = kThreeColor;
            color.c.rgb = {red, green, blue};
            break;
        case ColorModel::cmyk: {
            // Naive separation: k takes the common darkness, c/m/y the rest.
            AIReal k = 1.0f - std::max({red, green, blue});
            AIReal rest = 1.0f - k;
            color.kind = kFourColor;
            if (rest <= 0.0f)
                color.c.f = {0.0f, 0.0f, 0.0f, 1.0f};
            else
                color.c.f = {(rest - red) / rest, (rest - green) / rest, (rest - blue) / rest, k};
            break;
        }
        case ColorModel::gray:
            // Gray is an ink amount: 0 white, 1 black.
            color.kind = kGrayColor;
            color.c.g.gray = 1.0f - (0.299f * red + 0.587f * green + 0.114f * blue);
            break;
    }
    return color;
}

std::vector<Swatch> defaultSwatches(ColorModel model) {
    struct Named {
        const char* name;
        AIReal r, g, b;
    };
    static const Named palette[] = {
        {"Red", 1.0f, 0.0f, 0.0f},           {"Orange", 1.0f, 0.5f, 0.0f},
        {"Yellow", 1.0f, 1.0f, 0.0f},        {"Lime", 0.5f, 1.0f, 0.0f},
        {"Green", 0.0f, 0.75f, 0.0f},        {"Teal", 0.0f, 0.5f, 0.5f},
        {"Cyan", 0.0f, 1.0f, 1.0f},          {"Sky", 0.0f, 0.5f, 1.0f},
        {"Blue", 0.0f, 0.0f, 1.0f},          {"Violet", 0.5f, 0.0f, 1.0f},
        {"Magenta", 1.0f, 0.0f, 1.0f},       {"Rose", 1.0f, 0.0f, 0.5f},
        {"Brown", 0.6f, 0.3f, 0.1f},         {"Olive", 0.5f, 0.5f, 0.0f},
        {"Light Gray", 0.75f, 0.75f, 0.75f}, {"Dark Gray", 0.25f, 0.25f, 0.25f},
    };
    std::vector<Swatch> swatches;
    AIColor none{};
    none.kind = kNoneColor;
    swatches.push_back({"[None]", none});
    swatches.push_back({"[Registration]", colorInModel(model, 0.0f, 0.0f, 0.0f)});
    swatches.push_back({"White", colorInModel(model, 1.0f, 1.0f, 1.0f)});
    swatches.push_back({"Black", colorInModel(model, 0.0f, 0.0f, 0.0f)});
    for (const Named& n : palette) swatches.push_back({n.name, colorInModel(model, n.r, n.g, n.b)});
    return swatches;
}

}  // namespace qthost
