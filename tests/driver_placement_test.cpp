// Placement above or beneath (beneathtest) in both forms, read from the paint order of the
// copies a drag leaves: a copy placed beneath lies below the drag path D, which stays where
// the driver created it.
#include <cmath>
#include <map>
#include <set>
#include <utility>
#include <vector>

#include "driver_fixture.h"

namespace qttest {
namespace {

constexpr ASInt32 kDefaultSingleLine = 0;
constexpr ASInt32 kPoints40 = 6;  // a point-list shape: the tally T is its point count

class PlacementTest : public DriverTest {
  protected:
    // One event from (100, 100) to `to` with line type `shape`. With shape 6 the one far
    // move collects one point, so T = 1; with shape 0, T = 0.
    void dragOnce(ASInt32 option, ASInt32 shape, AIRealPoint to) {
        selectEntry(items::beneath, option);
        selectEntry(items::lineType, shape);
        down({100, 100});
        move(to);
    }

    // Cells of the grid (row, column) found by their offset from D, with whether each lies
    // beneath D in paint order. D itself is left out.
    std::map<std::pair<int, int>, bool> cellsBeneath(AIReal stepH, AIReal stepV) {
        const auto all = art();
        std::map<std::pair<int, int>, bool> cells;
        // D is the cell at offset (0, 0): the one whose bounds are smallest in h and v.
        size_t dIndex = 0;
        for (size_t i = 1; i < all.size(); ++i) {
            const AIRealRect a = bounds(all[i]), b = bounds(all[dIndex]);
            if (a.left + a.bottom < b.left + b.bottom) dIndex = i;
        }
        const AIRealRect dBox = bounds(all[dIndex]);
        for (size_t i = 0; i < all.size(); ++i) {
            if (i == dIndex) continue;
            const AIRealRect box = bounds(all[i]);
            const int k = stepH != 0 ? static_cast<int>(std::lround((box.left - dBox.left) / stepH)) : 0;
            const int r = stepV != 0 ? static_cast<int>(std::lround((box.bottom - dBox.bottom) / stepV)) : 0;
            cells[{r, k}] = i < dIndex;
        }
        return cells;
    }
};

struct RowCase {
    ASInt32 option;
    int tally;
    std::set<int> beneath;  // copy indices 1..9 expected beneath D
    const char* why;
};

const std::set<int> kAll{1, 2, 3, 4, 5, 6, 7, 8, 9};
const std::set<int> kEven{2, 4, 6, 8};
const std::set<int> kOdd{1, 3, 5, 7, 9};
const std::set<int> kMod3Is0{3, 6, 9};
const std::set<int> kMod3Is1{1, 4, 7};
const std::set<int> kNone{};

TEST_F(PlacementTest, SingleRowFormByCopyIndexAndTally) {
    const std::vector<RowCase> rows = {
        {0, 0, kNone, "0: always above"},
        {1, 0, kAll, "1: always beneath"},
        {2, 0, kEven, "2: even copies"},
        {3, 1, kOdd, "3: odd copies, tally ignored"},
        {5, 0, kEven, "5: parity of i matches T (T even)"},
        {5, 1, kOdd, "5: parity of i matches T (T odd)"},
        {6, 0, kOdd, "6: parity of i differs from T (T even)"},
        {6, 1, kEven, "6: parity of i differs from T (T odd)"},
        {7, 0, kEven, "7: T even and i even"},
        {7, 1, kNone, "7: nothing when T is odd"},
        {8, 0, kOdd, "8: T even and i odd"},
        {9, 1, kEven, "9: T odd and i even"},
        {9, 0, kNone, "9: nothing when T is even"},
        {10, 1, kOdd, "10: T odd and i odd"},
        {11, 0, kMod3Is0, "11: T even, i mod 3 = 0"},
        {11, 1, kMod3Is1, "11: T odd, i mod 3 = 1"},
        {12, 0, kMod3Is1, "12: T even, i mod 3 = 1"},
        {12, 1, kMod3Is0, "12: T odd, i mod 3 = 0"},
        {13, 0, kMod3Is0, "13: T even, i mod 3 = 0"},
        {13, 1, kNone, "13: nothing when T is odd"},
        {14, 0, kMod3Is1, "14: T even, i mod 3 = 1"},
        {15, 1, kMod3Is0, "15: T odd, i mod 3 = 0"},
        {15, 0, kNone, "15: nothing when T is even"},
        {16, 1, kMod3Is1, "16: T odd, i mod 3 = 1"},
    };
    plainDragMode(10);
    for (const RowCase& row : rows) {
        SCOPED_TRACE(row.why);
        // Ten copies 10 points apart along a horizontal drag of 90.
        dragOnce(row.option, row.tally ? kPoints40 : kDefaultSingleLine, {190, 100});
        const auto cells = cellsBeneath(10, 0);
        ASSERT_EQ(cells.size(), 9u);
        std::set<int> beneath;
        for (const auto& [cell, below] : cells)
            if (below) beneath.insert(cell.second);
        EXPECT_EQ(beneath, row.beneath);
        host().mouseUp();
        ASSERT_TRUE(host().undoLastDrag());
    }
}

using Cells = std::set<std::pair<int, int>>;

struct GridCase {
    ASInt32 option;
    int tally;
    Cells beneath;  // (row, column) of a 4 x 4 grid, D at (0, 0) left out
    const char* why;
};

Cells allCells() {
    Cells cells;
    for (int r = 0; r < 4; ++r)
        for (int k = 0; k < 4; ++k)
            if (r || k) cells.insert({r, k});
    return cells;
}
const Cells kEvenEven{{0, 2}, {2, 0}, {2, 2}};
const Cells kOddOdd{{1, 1}, {1, 3}, {3, 1}, {3, 3}};
const Cells kOddEven{{1, 0}, {1, 2}, {3, 0}, {3, 2}};
const Cells kThirds00{{0, 3}, {3, 0}, {3, 3}};
const Cells kThirds11{{1, 1}};
const Cells kThirds10{{1, 0}, {1, 3}};

TEST_F(PlacementTest, GridFormByRowColumnAndTally) {
    const std::vector<GridCase> rows = {
        {1, 0, allCells(), "1: every cell"},
        {2, 1, kEvenEven, "2: row and column even"},
        {3, 0, kOddOdd, "3: row and column odd"},
        {5, 0, kEvenEven, "5, T even: both even"},
        {5, 1, kOddOdd, "5, T odd: both odd"},
        {6, 0, kOddEven, "6, T even: row odd, column even"},
        {6, 1, kEvenEven, "6, T odd: row even, column even"},
        {7, 0, kEvenEven, "7: T even, both even"},
        {8, 1, {}, "8: nothing when T is odd"},
        {8, 0, kOddOdd, "8: T even, both odd"},
        {9, 1, kEvenEven, "9: T odd, both even"},
        {10, 1, kOddOdd, "10: T odd, both odd"},
        {11, 0, kThirds00, "11, T even: both mod 3 = 0"},
        {11, 1, kThirds11, "11, T odd: both mod 3 = 1"},
        {12, 0, kThirds10, "12, T even: row mod 3 = 1, column mod 3 = 0"},
        {12, 1, kThirds00, "12, T odd: both mod 3 = 0"},
        {13, 0, kThirds00, "13: T even, both mod 3 = 0"},
        {14, 0, kThirds11, "14: T even, both mod 3 = 1"},
        {15, 1, kThirds00, "15: T odd, both mod 3 = 0"},
        {16, 1, kThirds11, "16: T odd, both mod 3 = 1"},
        {16, 0, {}, "16: nothing when T is even"},
    };
    useTool(toolNamed("grid"));
    setInt(optionItem("horizontalcopiesvalue_0"), 4);  // columns
    setInt(optionItem("verticalcopiesvalue_0"), 4);    // rows
    for (const GridCase& row : rows) {
        SCOPED_TRACE(row.why);
        // A 4 x 4 grid with cells 30 points apart each way.
        dragOnce(row.option, row.tally ? kPoints40 : kDefaultSingleLine, {190, 190});
        const auto cells = cellsBeneath(30, 30);
        ASSERT_EQ(cells.size(), 15u);
        Cells beneath;
        for (const auto& [cell, below] : cells)
            if (below) beneath.insert(cell);
        EXPECT_EQ(beneath, row.beneath);
        host().mouseUp();
        ASSERT_TRUE(host().undoLastDrag());
    }
}

}  // namespace
}  // namespace qttest
