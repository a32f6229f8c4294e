// What the tool selector switches: the palette title of each tool and the items of its page,
// listed in the order they are shown.
#include "options/controls.h"

namespace options {
namespace {

constexpr const char* kTitles[kToolCount] = {
    "QUENTARB - GRID TOOL",         "QUENTARB - DRAG TOOL",        "QUENTARB - ZOOM TOOL",
    "QUENTARB - FRAMED TOOL",       "QUENTARB - RIM RANDOM TOOL",  "QUENTARB - WINDMILL TOOL",
    "QUENTARB - SCALEDOWN TOOL",    "QUENTARB - BOUNCEALONG TOOL", "QUENTARB - SPIRAL TOOL",
    "QUENTARB - CHECKERBOARD TOOL", "QUENTARB - PAINT TOOL",       "QUENTARB - BASIC TILE TOOL",
    "QUENTARB - BACKGROUND TOOL"};

constexpr int32_t kGrid[] = {310, 312, 313, 25, 26, 27, 28, 33, 36, 34, 35, 29, 30, 31, 32};
constexpr int32_t kDrag[] = {314, 315, 316, 317, 42, 43, 44, 45, 47, 48, 49};
constexpr int32_t kZoom[] = {318, 319, 320, 50, 51, 57, 52, 54, 55, 56, 53};
constexpr int32_t kFramed[] = {321, 322, 323, 324, 326, 70, 71, 72, 73, 74, 78, 77, 75, 79, 80};
constexpr int32_t kRimRandom[] = {327, 328, 329, 330, 90, 91, 92, 93, 95, 96, 97, 98};
constexpr int32_t kWindmill[] = {331, 332, 333, 334, 335, 336, 110, 113, 117, 118, 115, 125, 111,
                                 116, 126, 114, 129, 119, 120, 121, 122, 112, 123, 124, 127, 128};
constexpr int32_t kScaledown[] = {338, 339, 341, 342, 343, 344, 140, 141, 142,
                                  144, 143, 150, 152, 153, 151, 146, 148, 149};
constexpr int32_t kBounceAlong[] = {345, 346, 347, 349, 180, 181, 182, 184, 183, 187, 188, 189, 185};
constexpr int32_t kSpiral[] = {350, 351, 352, 353, 354, 355, 200, 204, 202, 205,
                               206, 203, 207, 201, 208, 209, 210, 211, 212};
constexpr int32_t kCheckerboard[] = {356, 357, 358, 359, 230, 231, 234, 235, 233, 236, 238, 237};
constexpr int32_t kPaint[] = {360, 361, 362, 363, 364, 250, 251, 252, 254, 253, 255, 256, 258, 257};
constexpr int32_t kBasicTile[] = {365, 270};
constexpr int32_t kBackground[] = {366, 367, 368, 369, 290, 291, 292, 293, 295, 296, 297, 298};

constexpr std::span<const int32_t> kPages[kToolCount] = {
    kGrid,        kDrag,   kZoom,         kFramed, kRimRandom, kWindmill,  kScaledown,
    kBounceAlong, kSpiral, kCheckerboard, kPaint,  kBasicTile, kBackground};

bool isTool(int32_t tool) { return tool >= 0 && tool < kToolCount; }

}  // namespace

const char* toolTitle(int32_t tool) { return isTool(tool) ? kTitles[tool] : ""; }

std::span<const int32_t> toolPageItems(int32_t tool) {
    return isTool(tool) ? kPages[tool] : std::span<const int32_t>{};
}

}  // namespace options
