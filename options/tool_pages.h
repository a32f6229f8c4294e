// The thirteen tool pages of the palette, one function per page, in files grouped by how
// their modes lay out the art: tool_pages_grids.cpp, tool_pages_rows.cpp,
// tool_pages_rings.cpp, tool_pages_scatter.cpp and tool_pages_brushes.cpp. Each page fills
// the same area at the top; rows of spin edits (caption at 10-185, spins at 190-250 and
// 260-320) are 22 apart, check boxes stand in columns at 10, 113 and 216.
#ifndef QT_OPTIONS_TOOL_PAGES_H
#define QT_OPTIONS_TOOL_PAGES_H

#include "options/controls.h"

namespace options {

std::span<const Control> gridPage();
std::span<const Control> dragPage();
std::span<const Control> zoomPage();
std::span<const Control> framedPage();
std::span<const Control> rimRandomPage();
std::span<const Control> windmillPage();
std::span<const Control> scaledownPage();
std::span<const Control> bounceAlongPage();
std::span<const Control> spiralPage();
std::span<const Control> checkerboardPage();
std::span<const Control> paintPage();
std::span<const Control> basicTilePage();
std::span<const Control> backgroundPage();

}  // namespace options

#endif
