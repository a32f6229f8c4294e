// Framed mode through the host: border cells only, their places, Delete, the edge turns,
// the line scale, fill and stroke index r * c, modifier keys, random draws, errors.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "driver_fixture.h"

namespace {

using qttest::near;
using qttest::optionItem;
using qttest::toolNamed;

namespace framed {
inline constexpr ASInt32 columns = optionItem("horizontalcopiesvalue_3");
inline constexpr ASInt32 rows = optionItem("verticalcopiesvalue_3");
inline constexpr ASInt32 rotate = optionItem("rotateanglevalue_3");
inline constexpr ASInt32 jitter = optionItem("jittervalue_3");
inline constexpr ASInt32 scale = optionItem("scalevalue_3");
inline constexpr ASInt32 remove = optionItem("deletepathvalue_3");
inline constexpr ASInt32 edge = optionItem("edgeoptions_3");
inline constexpr ASInt32 create = optionItem("placementvalue_3");
inline constexpr ASInt32 scaleLines = optionItem("scalelinesoptions");
}  // namespace framed

constexpr int kFramedTool = toolNamed("framed");
constexpr AIRealPoint kFrom{100.0f, 100.0f};
constexpr AIRealPoint kTo{200.0f, 150.0f};  // D spans (100, 50), centre (150, 125)

class FramedTest : public qttest::DriverTest {
  protected:
    void SetUp() override {
        DriverTest::SetUp();
        dragBetween(kFrom, kTo);
        useTool(kFramedTool);
    }
    void frameOf(ASInt32 cols, ASInt32 rowCount) {
        setInt(framed::columns, cols);
        setInt(framed::rows, rowCount);
    }
};

TEST_F(FramedTest, CopiesOnTheBorderCellsOnly) {
    struct Row {
        ASInt32 cols, rows;
        bool remove;
        std::vector<AIRealPoint> centres;  // back to front: D first when kept, then the copies
        const char* why;
    };
    const Row table[] = {
        {2, 2, true, {{150, 125}, {250, 125}, {150, 175}, {250, 175}}, "2 x 2: every cell is a corner"},
        {3,
         3,
         true,
         {{150, 125}, {200, 125}, {250, 125}, {150, 150}, {250, 150}, {150, 175}, {200, 175}, {250, 175}},
         "3 x 3: never the centre cell"},
        {2, 2, false, {{150, 125}, {150, 125}, {250, 125}, {150, 175}, {250, 175}}, "Delete off keeps D"},
    };
    for (const Row& row : table) {
        SCOPED_TRACE(row.why);
        frameOf(row.cols, row.rows);
        setBool(framed::remove, row.remove);
        ASSERT_EQ(dragOnceHeld(), kNoErr);
        const auto all = art();
        ASSERT_EQ(all.size(), row.centres.size());
        for (size_t i = 0; i < all.size(); ++i) {
            EXPECT_TRUE(near(centre(all[i]), row.centres[i])) << "art " << i;
            EXPECT_FALSE(tagged(all[i])) << "art " << i;
        }
        releaseAndUndo();
    }
}

TEST_F(FramedTest, DragBackOnTheStartLeavesTheDragPath) {
    setBool(framed::remove, true);
    ASSERT_EQ(down(kFrom), kNoErr);
    ASSERT_EQ(move(kTo), kNoErr);
    ASSERT_EQ(move(kFrom), kNoErr);
    EXPECT_EQ(art().size(), 1u) << "D stays even with Delete";
}

TEST_F(FramedTest, BeneathUsesRowAndColumn) {
    frameOf(2, 2);
    setBool(framed::remove, false);
    selectEntry(qttest::items::beneath, 3);  // grid form: r odd and c odd go beneath
    ASSERT_EQ(dragOnceHeld(), kNoErr);
    const auto all = art();
    ASSERT_EQ(all.size(), 5u);
    // Back to front: cell (1, 1) below all art, then D, then the other three.
    EXPECT_TRUE(near(centre(all[0]), {250, 175}));
    EXPECT_TRUE(near(centre(all[2]), {150, 125}));
    EXPECT_TRUE(near(centre(all[4]), {150, 175}));
}

TEST_F(FramedTest, ScaleAndLineScale) {
    struct Row {
        float scale;
        int option;
        std::vector<float> widths;  // stroke widths of cells (0, 0), (0, 1), (1, 0), (1, 1)
        float size;                 // copy width over D's
        const char* why;
    };
    const Row table[] = {
        {100, 1, {1, 1, 1, 1}, 1.0f, "scale 100 keeps line scale 1"},
        {50, 0, {1, 1, 1, 1}, 0.5f, "ignore"},
        {50, 1, {0.5f, 0.5f, 0.5f, 0.5f}, 0.5f, "sqrt(s) * sqrt(s)"},
        {50, 2, {0.5f, 1, 1, 1}, 0.5f, "alternate: only where row and column are even"},
    };
    frameOf(2, 2);
    setBool(framed::remove, true);
    for (const Row& row : table) {
        SCOPED_TRACE(row.why);
        setFloat(framed::scale, row.scale);
        selectEntry(framed::scaleLines, row.option);
        ASSERT_EQ(dragOnceHeld(), kNoErr);
        const auto copies = art();
        ASSERT_EQ(copies.size(), 4u);
        for (size_t i = 0; i < copies.size(); ++i) {
            EXPECT_NEAR(document().style(copies[i]).stroke.width, row.widths[i], 1e-5f) << "cell " << i;
            const AIRealRect box = bounds(copies[i]);
            EXPECT_NEAR(box.right - box.left, 100.0f * row.size, 1e-3f) << "cell " << i;
        }
        releaseAndUndo();
    }
}

TEST_F(FramedTest, EdgeModesTurnBySide) {
    // 3 columns by 4 rows: first row, two middle rows (first and last column), last row.
    // '+' a quarter turn anticlockwise, '-' clockwise, '0' none.
    struct Row {
        int mode;
        std::string turns;
        const char* why;
    };
    const Row table[] = {
        {0,
         "000"
         "00"
         "00"
         "000",
         "default: none"},
        {1,
         "+++"
         "--"
         "--"
         "+++",
         "turn 1: rows one way, columns the other"},
        {2,
         "---"
         "+0"
         "+0"
         "000",
         "turn 2: only the first row and the first column"},
        {3,
         "-0-"
         "00"
         "--"
         "-0-",
         "flip: even columns along rows, even rows along columns"},
    };
    frameOf(3, 4);
    setFloat(framed::scale, 100);
    for (const Row& row : table) {
        SCOPED_TRACE(row.why);
        selectEntry(framed::edge, row.mode);
        ASSERT_EQ(dragOnceHeld(), kNoErr);
        const auto copies = art();
        ASSERT_EQ(copies.size(), row.turns.size());
        for (size_t i = 0; i < copies.size(); ++i) {
            const AIRealPoint expected = row.turns[i] == '+'   ? AIRealPoint{-50, 100}
                                         : row.turns[i] == '-' ? AIRealPoint{50, -100}
                                                               : AIRealPoint{100, 50};
            EXPECT_TRUE(near(direction(copies[i]), expected)) << "cell " << i << " '" << row.turns[i] << "'";
        }
        releaseAndUndo();
    }
}

TEST_F(FramedTest, FillAndStrokeIndexIsRowTimesColumn) {
    struct Row {
        ASInt32 process;
        float cycle;
        const char* why;
    };
    const Row table[] = {
        {0, 4.0f, "process 0: the cycle is (H - 1)(V - 1)"},
        {8, 8.0f, "the process value when set"},
    };
    frameOf(3, 3);
    selectEntry(qttest::items::fillMode, 2);    // to black: gray i / P from white
    selectEntry(qttest::items::strokeMode, 1);  // to white: gray 1 - i / P from black
    // Border cells of 3 x 3 in the order made, with r * c.
    const float index[] = {0, 0, 0, 0, 2, 0, 2, 4};
    for (const Row& row : table) {
        SCOPED_TRACE(row.why);
        setInt(qttest::items::fillProcess, row.process);
        setInt(qttest::items::strokeProcess, row.process);
        ASSERT_EQ(dragOnceHeld(), kNoErr);
        const auto copies = art();
        ASSERT_EQ(copies.size(), 8u);
        for (size_t i = 0; i < copies.size(); ++i) {
            const AIPathStyle style = document().style(copies[i]);
            EXPECT_NEAR(style.fill.color.c.g.gray, index[i] / row.cycle, 1e-5f) << "cell " << i;
            EXPECT_NEAR(style.stroke.color.c.g.gray, 1.0f - index[i] / row.cycle, 1e-5f) << "cell " << i;
        }
        releaseAndUndo();
    }
}

TEST_F(FramedTest, ShiftGrowsTheFrame) {
    struct Row {
        ASInt32 cols, rows, newCols, newRows;
        const char* why;
    };
    const Row table[] = {
        {2, 2, 3, 3, "one row and one column more"},
        {40, 40, 2, 2, "above 40 back to 2"},
        {10, 40, 11, 2, "each wraps on its own"},
    };
    for (const Row& row : table) {
        SCOPED_TRACE(row.why);
        frameOf(row.cols, row.rows);
        ASSERT_EQ(dragOnceHeld(kTo, kShiftModifier), kNoErr);
        EXPECT_EQ(item(framed::columns)->intValue(), row.newCols);
        EXPECT_EQ(item(framed::rows)->intValue(), row.newRows);
        EXPECT_EQ(art().size(), static_cast<size_t>(2 * row.newCols + 2 * row.newRows - 4));
        releaseAndUndo();
    }
}

TEST_F(FramedTest, ShiftAltStepsTheJitter) {
    struct Row {
        float jitter, next;
        const char* why;
    };
    const Row table[] = {
        {0, 5, "five more"}, {195, 200, "200 is not above 200"}, {200, 0, "above 200 back to 0"}};
    frameOf(2, 2);
    for (const Row& row : table) {
        SCOPED_TRACE(row.why);
        setFloat(framed::jitter, row.jitter);
        ASSERT_EQ(dragOnceHeld(kTo, kShiftModifier | kOptionModifier), kNoErr);
        EXPECT_EQ(item(framed::jitter)->floatValue(), row.next);
        EXPECT_EQ(item(framed::columns)->intValue(), 2);
        releaseAndUndo();
    }
}

TEST_F(FramedTest, RandomDraws) {
    struct Row {
        bool create;
        int edge;
        float jitter;
        size_t draws;  // on a 3 x 3 frame
        const char* why;
    };
    const Row table[] = {
        {false, 0, 0, 0, "nothing random"},
        {true, 0, 0, 9, "placement draws for every cell, the centre included"},
        {false, 4, 0, 8, "randomized edges: one per made cell"},
        {false, 0, 5, 32, "jitter: four per made cell"},
        {false, 4, 5, 40, "both"},
    };
    frameOf(3, 3);
    for (const Row& row : table) {
        SCOPED_TRACE(row.why);
        setBool(framed::create, row.create);
        selectEntry(framed::edge, row.edge);
        setFloat(framed::jitter, row.jitter);
        ASSERT_EQ(down(kFrom), kNoErr);
        host().setTracing(true);
        host().clearTrace();
        ASSERT_EQ(move(kTo), kNoErr);
        host().setTracing(false);
        EXPECT_EQ(draws(), row.draws);
        releaseAndUndo();
    }
}

TEST_F(FramedTest, AFailingHostCallEndsTheEventAndKeepsTheDragPath) {
    struct Row {
        const char* op;
        size_t occurrence;
        size_t art;  // left in the document, D included
        const char* why;
    };
    const Row table[] = {
        {"AI Art Suite.GetArtBounds", 1, 1, "no centre: only D"},
        {"AI Art Suite.DuplicateArt", 2, 2, "the second copy: D and the first"},
        {"AI Transform Art Suite.TransformArt", 1, 2, "the first copy's transform"},
    };
    frameOf(2, 2);
    setBool(framed::remove, true);
    for (const Row& row : table) {
        SCOPED_TRACE(row.why);
        ASSERT_EQ(failEventAt(row.op, row.occurrence), kInjectedFaultErr);
        EXPECT_EQ(art().size(), row.art);
        EXPECT_EQ(count("AI Art Suite.DisposeArt"), 0u) << "no Delete after a failure";
        releaseAndUndo();
    }
}

TEST_F(FramedTest, RandomizedEdgeTurnsByADrawTimesAFullTurn) {
    frameOf(2, 2);
    setFloat(framed::scale, 100);
    selectEntry(framed::edge, 4);
    ASSERT_EQ(dragOnceHeld(), kNoErr);
    const std::vector<float> d = qttest::hostDraws(4);
    const auto copies = art();
    ASSERT_EQ(copies.size(), 4u);
    for (size_t i = 0; i < copies.size(); ++i) {
        const double angle = static_cast<double>(d[i]) * 2 * M_PI;
        const AIRealPoint expected{static_cast<float>(100 * std::cos(angle) - 50 * std::sin(angle)),
                                   static_cast<float>(100 * std::sin(angle) + 50 * std::cos(angle))};
        EXPECT_TRUE(near(direction(copies[i]), expected, 1e-3f)) << "copy " << i;
    }
}

}  // namespace
