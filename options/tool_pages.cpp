// Each tool's page of the palette, by tool number.
#include "options/tool_pages.h"

namespace options {
namespace {

using Page = std::span<const Control> (*)();

// Indexed by tool number.
// clang-format off
constexpr Page kPages[kToolCount] = {
    gridPage,      dragPage,        zoomPage,   framedPage,       rimRandomPage, windmillPage,
    scaledownPage, bounceAlongPage, spiralPage, checkerboardPage, paintPage,     basicTilePage,
    backgroundPage,
};
// clang-format on

}  // namespace

std::span<const Control> toolPage(int32_t tool) {
    if (tool < 0 || tool >= kToolCount) return {};
    return kPages[tool]();
}

}  // namespace options
