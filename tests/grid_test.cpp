// Grid mode through the host: cell places, the mouse back on the start, scale, checkerboard
// and turn rules, modifier keys, line scale, fill and stroke by row, random draws, errors.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "driver_fixture.h"

namespace {

using qttest::near;
using qttest::optionItem;
using qttest::toolNamed;

namespace grid {
inline constexpr ASInt32 columns = optionItem("horizontalcopiesvalue_0");
inline constexpr ASInt32 rows = optionItem("verticalcopiesvalue_0");
inline constexpr ASInt32 rotate = optionItem("rotatevalue_0");
inline constexpr ASInt32 jitter = optionItem("jittervalue_0");
inline constexpr ASInt32 warp = optionItem("envelopevalue_0");
inline constexpr ASInt32 create = optionItem("placementvalue_0");
inline constexpr ASInt32 rotation = optionItem("rotation_0");
inline constexpr ASInt32 check = optionItem("checkoptions_0");
inline constexpr ASInt32 scaleX = optionItem("scalexoptions_0");
inline constexpr ASInt32 scaleY = optionItem("scaleyoptions_0");
inline constexpr ASInt32 turn = optionItem("flipoptions_0");
inline constexpr ASInt32 scaleLines = optionItem("scalelinesoptions");
}  // namespace grid

constexpr int kGridTool = toolNamed("grid");
constexpr AIRealPoint kFrom{100.0f, 100.0f};
constexpr AIRealPoint kTo{200.0f, 150.0f};  // D spans 100 x 50, centre (150, 125)

class GridTest : public qttest::DriverTest {
  protected:
    void SetUp() override {
        DriverTest::SetUp();
        dragBetween(kFrom, kTo);
        useTool(kGridTool);
    }
    void gridOf(ASInt32 cols, ASInt32 rowCount) {
        setInt(grid::columns, cols);
        setInt(grid::rows, rowCount);
    }
    // One processed event from kFrom to `to`.
    AIReal width(AIArtHandle art) {
        const AIRealRect box = bounds(art);
        return box.right - box.left;
    }
    AIReal height(AIArtHandle art) {
        const AIRealRect box = bounds(art);
        return box.top - box.bottom;
    }
};

TEST_F(GridTest, CellsLieAtTheirGridPlaces) {
    struct Row {
        ASInt32 cols, rows;
        AIRealPoint to;
        std::vector<AIRealPoint> centres;  // in the order the cells are made, D first
        const char* why;
    };
    const Row table[] = {
        {2,
         2,
         kTo,
         {{150, 125}, {250, 125}, {150, 175}, {250, 175}},
         "column 1 by dx, row 1 by dy, (1, 1) by both"},
        {3, 1, {200, 100}, {{150, 100}, {200, 100}, {250, 100}}, "one row: 0 / 0 row step still builds"},
        {1,
         3,
         {100, 200},
         {{100, 150}, {100, 200}, {100, 250}},
         "one column: 0 / 0 column step still builds"},
    };
    for (const Row& row : table) {
        SCOPED_TRACE(row.why);
        gridOf(row.cols, row.rows);
        ASSERT_EQ(dragOnceHeld(row.to), kNoErr);
        const auto cells = art();
        ASSERT_EQ(cells.size(), row.centres.size());
        for (size_t i = 0; i < cells.size(); ++i) {
            EXPECT_TRUE(near(centre(cells[i]), row.centres[i])) << "cell " << i;
            EXPECT_TRUE(tagged(cells[i])) << "cell " << i;
        }
        releaseAndUndo();
    }
}

TEST_F(GridTest, MouseBackOnTheStart) {
    struct Row {
        ASInt32 cols, rows;
        size_t art;
        bool dTagged;
        const char* why;
    };
    const Row table[] = {
        {2, 2, 1, false, "both steps 0: only the bare drag path"},
        {1, 3, 3, true, "one column: 0 / 0 is not zero, the cells lie on one another"},
        {3, 1, 3, true, "one row: likewise"},
    };
    for (const Row& row : table) {
        SCOPED_TRACE(row.why);
        gridOf(row.cols, row.rows);
        ASSERT_EQ(down(kFrom), kNoErr);
        ASSERT_EQ(move(kTo), kNoErr);
        ASSERT_EQ(move(kFrom), kNoErr);
        const auto cells = art();
        ASSERT_EQ(cells.size(), row.art);
        EXPECT_EQ(tagged(cells[0]), row.dTagged);
        for (AIArtHandle cell : cells) EXPECT_TRUE(near(centre(cell), kFrom));
        releaseAndUndo();
    }
}

TEST_F(GridTest, ApplyEightOnBothAxesScalesCellByRowTimesColumn) {
    gridOf(3, 3);
    selectEntry(grid::scaleX, 8);
    selectEntry(grid::scaleY, 8);
    ASSERT_EQ(dragOnceHeld(), kNoErr);
    const auto cells = art();
    ASSERT_EQ(cells.size(), 9u);
    for (int r = 0; r < 3; ++r) {
        for (int k = 0; k < 3; ++k) {
            const AIArtHandle cell = cells[static_cast<size_t>(r * 3 + k)];
            const float f = 1.0f / static_cast<float>((r + 1) * (k + 1));
            EXPECT_NEAR(width(cell), 100.0f * f, 1e-3f) << "cell " << r << ", " << k;
            EXPECT_NEAR(height(cell), 50.0f * f, 1e-3f) << "cell " << r << ", " << k;
            // Scaled about D's centre, then moved to the grid place.
            EXPECT_TRUE(near(centre(cell), {150.0f + 50.0f * k, 125.0f + 25.0f * r}));
        }
    }
}

TEST_F(GridTest, ScaleRulesByColumn) {
    struct Row {
        int rule;
        std::vector<float> widths;  // cells 0..5 of one row, D spanning 100 before its own rule
        const char* why;
    };
    const Row table[] = {
        {1, {100, 50, 100, 50, 100, 50}, "halves the odd columns"},
        {9,
         {100, 25, 25, 25, 100.0f / 3, 25},
         "(1/4, 1/6) off multiples of 4, else (1/3, 1/4) off multiples of 3"},
        {16,
         {50, 50, 25, 50, 25, 50},
         "halves the even columns; D takes its half and the duplicates carry it"},
        {30, {20, 5, 20.0f / 3, 10, 20, 4}, "1/5 up to 1 by n mod 5, on top of D's own 1/5"},
        {33, {100, 500.0f / 6, 400.0f / 6, 50, 200.0f / 6, 100.0f / 6}, "sixths down by n mod 6"},
        {36, {100, 100.0f / 6, 100, 100.0f / 3, 100, 100.0f / 6}, "1 on even, 1/6 on n mod 4 = 1, 1/3 on 3"},
    };
    gridOf(6, 1);
    for (const Row& row : table) {
        SCOPED_TRACE(row.why);
        selectEntry(grid::scaleX, row.rule);
        ASSERT_EQ(dragOnceHeld({200, 150}), kNoErr);
        const auto cells = art();
        ASSERT_EQ(cells.size(), row.widths.size());
        for (size_t k = 0; k < cells.size(); ++k)
            EXPECT_NEAR(width(cells[k]), row.widths[k], 1e-3f) << "column " << k;
        releaseAndUndo();
    }
}

TEST_F(GridTest, ShiftGrowsTheGridAndWrapsAfterForty) {
    struct Row {
        ASInt32 cols, rows, newCols, newRows;
        const char* why;
    };
    const Row table[] = {
        {2, 2, 3, 3, "2 x 2 becomes 3 x 3"},
        {39, 39, 40, 40, "40 is still allowed"},
        {40, 40, 2, 2, "above 40 both fall back to 2"},
        {5, 40, 6, 2, "rows and columns wrap on their own"},
    };
    for (const Row& row : table) {
        SCOPED_TRACE(row.why);
        gridOf(row.cols, row.rows);
        ASSERT_EQ(dragOnceHeld(kTo, kShiftModifier), kNoErr);
        EXPECT_EQ(item(grid::columns)->intValue(), row.newCols);
        EXPECT_EQ(item(grid::rows)->intValue(), row.newRows);
        EXPECT_EQ(art().size(), static_cast<size_t>(row.newCols * row.newRows));
        releaseAndUndo();
    }
}

TEST_F(GridTest, ShiftAltTurnsByFiveDegrees) {
    struct Row {
        float angle, newAngle;
        const char* why;
    };
    const Row table[] = {
        {0, 5, "five degrees per event"},
        {355, 360, "360 is not above 360"},
        {358, 0, "above 360 wraps to 0"},
    };
    gridOf(2, 2);
    for (const Row& row : table) {
        SCOPED_TRACE(row.why);
        setFloat(grid::rotate, row.angle);
        ASSERT_EQ(dragOnceHeld(kTo, kShiftModifier | kOptionModifier), kNoErr);
        EXPECT_EQ(item(grid::rotate)->floatValue(), row.newAngle);
        EXPECT_EQ(item(grid::columns)->intValue(), 2) << "the grid does not grow";
        releaseAndUndo();
    }
}

TEST_F(GridTest, CheckerboardLeavesCellsOut) {
    struct Row {
        int option;
        ASInt32 n;  // n x n grid
        size_t made;
        const char* why;
    };
    const Row table[] = {
        {1, 3, 5, "Check 1 keeps r + k even"},
        {6, 3, 4, "Check 6 keeps r + k odd"},
        {2, 4, 8, "2 x 2 blocks"},
        {3, 6, 18, "3 x 3 blocks"},
        {4, 3, 7, "(0, 1) and (1, 0) by mod 3"},
        {5, 3, 7, "(0, 2) and (2, 0) by mod 3"},
        {7, 3, 7, "(0, 0) and (1, 1) by mod 3"},
        {8, 4, 14, "(0, 0) and (1, 1) by mod 4"},
        {9, 4, 14, "(0, 1) and (1, 0) by mod 4"},
    };
    for (const Row& row : table) {
        SCOPED_TRACE(row.why);
        gridOf(row.n, row.n);
        selectEntry(grid::check, row.option);
        ASSERT_EQ(dragOnceHeld(), kNoErr);
        EXPECT_EQ(art().size(), row.made);
        releaseAndUndo();
    }
}

TEST_F(GridTest, FirstMadeCellIsTheDragPathInItsOwnPlace) {
    gridOf(2, 2);
    selectEntry(grid::check, 6);  // drops (0, 0) and (1, 1)
    ASSERT_EQ(dragOnceHeld(), kNoErr);
    const auto cells = art();
    ASSERT_EQ(cells.size(), 2u);
    EXPECT_TRUE(tagged(cells[0]));
    EXPECT_TRUE(near(centre(cells[0]), {150, 125})) << "cell (0, 1) is D and is not moved";
    EXPECT_TRUE(near(centre(cells[1]), {150, 175})) << "cell (1, 0) lies at its grid place";
}

TEST_F(GridTest, TurnRulesGiveDuplicatesAQuarterTurn) {
    struct Row {
        int option;
        std::vector<bool> turned;  // cells of a 2 x 2 grid in the order made
        const char* why;
    };
    const Row table[] = {
        {0, {false, false, false, false}, "no turn"},
        {1, {false, true, true, false}, "r + k odd"},
        {3, {false, true, false, true}, "odd columns"},
        {4, {false, false, true, true}, "odd rows"},
        {2, {false, true, true, false}, "(0, 1) and (1, 0) by mod 3"},
    };
    gridOf(2, 2);
    for (const Row& row : table) {
        SCOPED_TRACE(row.why);
        selectEntry(grid::turn, row.option);
        ASSERT_EQ(dragOnceHeld(), kNoErr);
        const auto cells = art();
        ASSERT_EQ(cells.size(), 4u);
        for (size_t i = 0; i < cells.size(); ++i) {
            // D is 100 wide and 50 high; a quarter turn swaps the two.
            EXPECT_NEAR(width(cells[i]), row.turned[i] ? 50.0f : 100.0f, 1e-3f) << "cell " << i;
        }
        releaseAndUndo();
    }
}

TEST_F(GridTest, BeneathUsesRowAndColumn) {
    gridOf(3, 1);
    selectEntry(qttest::items::beneath, 2);  // grid form: r even and k even go beneath
    ASSERT_EQ(dragOnceHeld({200, 100}), kNoErr);
    const auto cells = art();
    ASSERT_EQ(cells.size(), 3u);
    // Back to front: column 2 went below all art; D (column 0) is never duplicated.
    EXPECT_TRUE(near(centre(cells[0]), {250, 100}));
    EXPECT_TRUE(near(centre(cells[1]), {150, 100}));
    EXPECT_TRUE(near(centre(cells[2]), {200, 100}));
}

TEST_F(GridTest, LineScale) {
    struct Row {
        int option;
        std::vector<float> strokeWidths;  // columns 0..2 under rule 8 (scales 1, 1/2, 1/3)
        const char* why;
    };
    const Row table[] = {
        {0, {1, 1, 1}, "ignore"},
        {1, {1, 0.5f, 1.0f / 3}, "sqrt(f) * sqrt(f)"},
        {2, {1, 1, 1.0f / 3}, "alternate: only where row and column are even"},
        {3, {1, 1, 1}, "3 acts as ignore"},
    };
    gridOf(3, 1);
    selectEntry(grid::scaleX, 8);
    for (const Row& row : table) {
        SCOPED_TRACE(row.why);
        selectEntry(grid::scaleLines, row.option);
        ASSERT_EQ(dragOnceHeld(), kNoErr);
        const auto cells = art();
        ASSERT_EQ(cells.size(), 3u);
        for (size_t k = 0; k < cells.size(); ++k)
            EXPECT_NEAR(document().style(cells[k]).stroke.width, row.strokeWidths[k], 1e-5f)
                << "column " << k;
        releaseAndUndo();
    }
}

TEST_F(GridTest, FillAndStrokeFollowTheRow) {
    struct Row {
        ASInt32 process;
        float cycle;
        const char* why;
    };
    const Row table[] = {
        {0, 2.0f, "process 0: the cycle is rows - 1"},
        {4, 4.0f, "the process value when set"},
    };
    gridOf(2, 3);
    selectEntry(qttest::items::fillMode, 2);    // to black: gray i / P from white
    selectEntry(qttest::items::strokeMode, 1);  // to white: gray 1 - i / P from black
    for (const Row& row : table) {
        SCOPED_TRACE(row.why);
        setInt(qttest::items::fillProcess, row.process);
        setInt(qttest::items::strokeProcess, row.process);
        ASSERT_EQ(dragOnceHeld({200, 200}), kNoErr);
        const auto cells = art();
        ASSERT_EQ(cells.size(), 6u);
        for (size_t i = 0; i < cells.size(); ++i) {
            const float r = static_cast<float>(i / 2);
            const AIPathStyle style = document().style(cells[i]);
            EXPECT_NEAR(style.fill.color.c.g.gray, r / row.cycle, 1e-5f) << "cell " << i;
            EXPECT_NEAR(style.stroke.color.c.g.gray, 1.0f - r / row.cycle, 1e-5f) << "cell " << i;
        }
        releaseAndUndo();
    }
}

TEST_F(GridTest, RandomDrawsPerEvent) {
    struct Row {
        bool create, rotation;
        float jitter;
        int ruleX, ruleY, check;
        size_t draws;  // on a 2 x 2 grid
        const char* why;
    };
    const Row table[] = {
        {false, false, 0, 0, 0, 0, 0, "nothing random"},
        {false, false, 0, 27, 0, 0, 4, "rule 27 draws for every made cell, also where n is even"},
        {false, false, 0, 28, 27, 0, 8, "a draw for each axis's rule"},
        {false, true, 0, 0, 0, 0, 3, "Rotation [R]: duplicates only"},
        {false, false, 5, 0, 0, 0, 16, "jitter: four per made cell"},
        {false, false, 5, 27, 0, 1, 12, "checkerboard-dropped cells take their scale draw but no jitter"},
    };
    gridOf(2, 2);
    for (const Row& row : table) {
        SCOPED_TRACE(row.why);
        setBool(grid::create, row.create);
        setBool(grid::rotation, row.rotation);
        setFloat(grid::jitter, row.jitter);
        selectEntry(grid::scaleX, row.ruleX);
        selectEntry(grid::scaleY, row.ruleY);
        selectEntry(grid::check, row.check);
        ASSERT_EQ(down(kFrom), kNoErr);
        host().setTracing(true);
        host().clearTrace();
        ASSERT_EQ(move(kTo), kNoErr);
        host().setTracing(false);
        EXPECT_EQ(draws(), row.draws);
        releaseAndUndo();
    }
}

TEST_F(GridTest, PlacementDrawsForEveryCell) {
    gridOf(3, 3);
    setBool(grid::create, true);
    ASSERT_EQ(down(kFrom), kNoErr);
    host().setTracing(true);
    host().clearTrace();
    ASSERT_EQ(move(kTo), kNoErr);
    EXPECT_EQ(draws(), 9u);
    EXPECT_LE(art().size(), 9u);
    EXPECT_GE(art().size(), 1u) << "D stays even when every cell is dropped";
}

TEST_F(GridTest, AFailingHostCallEndsTheEvent) {
    struct Row {
        const char* op;
        size_t occurrence;
        size_t art;  // left in the document
        const char* why;
    };
    const Row table[] = {
        {"AI Art Suite.GetArtBounds", 1, 1, "no centre: the bare drag path"},
        {"AI Transform Art Suite.TransformArt", 1, 1, "D's own transform"},
        {"AI Art Suite.DuplicateArt", 2, 2, "the second duplicate: D and the first"},
        {"AI Transform Art Suite.TransformArt", 3, 3, "a duplicate's transform: it stays, untransformed"},
        {"AI Envelope Suite.MakeEnvelope", 1, 2, "the envelope of D: D and the envelope's duplicate"},
    };
    gridOf(2, 2);
    for (const Row& row : table) {
        SCOPED_TRACE(row.why);
        setBool(grid::warp, std::string(row.op).find("Envelope") != std::string::npos);
        ASSERT_EQ(failEventAt(row.op, row.occurrence), kInjectedFaultErr);
        EXPECT_EQ(art().size(), row.art);
        releaseAndUndo();
    }
}

TEST_F(GridTest, ScaleRuleDrawsComeForEveryMadeCellColumnFirst) {
    gridOf(3, 1);
    selectEntry(grid::scaleX, 27);  // draw used on odd columns
    selectEntry(grid::scaleY, 28);  // draw never used on row 0
    ASSERT_EQ(dragOnceHeld(), kNoErr);
    const std::vector<float> d = qttest::hostDraws(6);
    const auto cells = art();
    ASSERT_EQ(cells.size(), 3u);
    // Cell k takes draws 2k (column) and 2k + 1 (row); only column 1 uses its draw.
    EXPECT_NEAR(width(cells[0]), 100.0f, 1e-3f);
    EXPECT_NEAR(width(cells[1]), 100.0f * d[2], 1e-3f);
    EXPECT_NEAR(width(cells[2]), 100.0f, 1e-3f);
}

}  // namespace
