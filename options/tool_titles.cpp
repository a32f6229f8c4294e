// The palette title the tool selector gives each tool.
#include "options/controls.h"

namespace options {
namespace {

constexpr const char* kTitles[kToolCount] = {
    "QUENTARB - GRID TOOL",         "QUENTARB - DRAG TOOL",        "QUENTARB - ZOOM TOOL",
    "QUENTARB - FRAMED TOOL",       "QUENTARB - RIM RANDOM TOOL",  "QUENTARB - WINDMILL TOOL",
    "QUENTARB - SCALEDOWN TOOL",    "QUENTARB - BOUNCEALONG TOOL", "QUENTARB - SPIRAL TOOL",
    "QUENTARB - CHECKERBOARD TOOL", "QUENTARB - PAINT TOOL",       "QUENTARB - BASIC TILE TOOL",
    "QUENTARB - BACKGROUND TOOL"};

bool isTool(int32_t tool) { return tool >= 0 && tool < kToolCount; }

}  // namespace

const char* toolTitle(int32_t tool) { return isTool(tool) ? kTitles[tool] : ""; }

}  // namespace options
