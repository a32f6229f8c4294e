// Shared set-up for the benchmarks: a started plug-in session with a mode and its options
// chosen through the palette, and the drag events every mode benchmark replays.
#ifndef QT_BENCH_BENCH_SESSION_H
#define QT_BENCH_BENCH_SESSION_H

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "resources/tool_table.h"
#include "session/session.h"

namespace qtbench {

using Options = std::vector<std::pair<std::string, std::string>>;

// The modes in the order of the tool selector, each with its benchmark label.
inline constexpr int kModeCount = qttable::kToolCount;
inline const char* modeLabel(int tool) { return qttable::kTools[tool].bench; }

// Every shared styling option on: a pattern, opacity, blend, width, a colour series for fill
// and stroke, and the mode's envelope where the mode has one.
Options styledOptions(int tool);

// A session with every option at its default, `tool` selected and `options` set through their palette
// controls.
std::unique_ptr<qtsession::Session> modeSession(int tool, const Options& options);

// The two cursor points the benchmarks alternate between, so every event moves the cursor.
inline constexpr AIRealPoint kDragStart{150.0f, 200.0f};
inline AIRealPoint dragPoint(uint64_t event) {
    return (event & 1) ? AIRealPoint{420.0f, 560.0f} : AIRealPoint{432.0f, 548.0f};
}

// Path segments of every live path in the document, and the number of paths.
struct PathTally {
    size_t paths = 0;
    size_t segments = 0;
};
PathTally tallyPaths(const qthost::Document& document);

// Bytes the C heap holds now (in-use arena and mapped blocks).
size_t heapBytesInUse();

}  // namespace qtbench

#endif
