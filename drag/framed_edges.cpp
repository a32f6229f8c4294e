// Framed mode edge turns. The first row and the first column are told apart from the last
// ones: Turn 2 turns only the first row and column, Turn 1 turns rows and columns opposite
// ways, Flip turns every other cell along each edge.
#include "drag/framed_edges.h"

#include "frame/suite_pointers.h"

namespace drag {

namespace {

// pi / 2 in single precision.
constexpr AIReal kQuarterTurn = 1.57079637f;
constexpr AIReal kFullTurn = 6.28318548f;

enum class Edge { firstRow, lastRow, firstColumn, lastColumn };

// Rows win over columns: a corner belongs to its row.
Edge edgeOf(const FrameShape& frame, int32_t r, int32_t c) {
    if (r == 0) return Edge::firstRow;
    if (r == frame.rows - 1) return Edge::lastRow;
    if (c == 0) return Edge::firstColumn;
    return Edge::lastColumn;
}

EdgeTurn turnBy(AIReal angle) { return {true, angle}; }

}  // namespace

bool onFrameBorder(const FrameShape& frame, int32_t r, int32_t c) {
    return r == 0 || c == 0 || r == frame.rows - 1 || c == frame.columns - 1;
}

EdgeTurn framedEdgeTurn(int32_t mode, const FrameShape& frame, int32_t r, int32_t c) {
    const Edge edge = edgeOf(frame, r, c);
    const bool onRow = edge == Edge::firstRow || edge == Edge::lastRow;
    switch (mode) {
        case 1: return turnBy(onRow ? kQuarterTurn : -kQuarterTurn);
        case 2:
            if (edge == Edge::firstRow) return turnBy(-kQuarterTurn);
            if (edge == Edge::firstColumn) return turnBy(kQuarterTurn);
            return {};
        case 3:
            // Along a row every even column, along a column every even row.
            if ((onRow ? c : r) % 2 == 0) return turnBy(-kQuarterTurn);
            return {};
        case 4: return turnBy(sAIRandom->FloatRnd() * kFullTurn);
        default: return {};
    }
}

}  // namespace drag
