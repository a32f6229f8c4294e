// Checkerboard mode through the host: copies on the dark squares of a 2c by 2r board, odd
// rows shifted, Touch stretching the drag path to one square, the kept line scale, the index
// y * x, the keys, placement and a failing duplicate.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "driver_fixture.h"

namespace {

using qttest::near;
using qttest::optionItem;
using qttest::toolNamed;

enum : ASInt32 {
    kScaleLines = optionItem("scalelinesoptions"),
    kColumns = optionItem("horizontalcopiesvalue_9"),
    kRows = optionItem("verticalcopiesvalue_9"),
    kTouch = optionItem("scaledvalue_9"),
    kRotation = optionItem("rotatevalue_9"),
    kJitter = optionItem("jittervalue_9"),
    kCreate = optionItem("placementvalue_9"),
};

constexpr int kCheckerboard = toolNamed("checkerboard");

// A drag of (90, 30): with 2 columns and 2 rows the board is 4 x 4 squares of 30 x 10. The
// drag path's bounds are 90 x 30 with the lower left corner at the mouse-down point.
constexpr AIRealPoint kFrom{100, 100};
constexpr AIRealPoint kTo{190, 130};

class CheckerboardTest : public qttest::DriverTest {
  protected:
    void SetUp() override {
        DriverTest::SetUp();
        dragBetween(kFrom, kTo);
        useTool(kCheckerboard);
        setInt(kColumns, 2);
        setInt(kRows, 2);
    }

    AIRealPoint lowerLeft(AIArtHandle copy) { return {bounds(copy).left, bounds(copy).bottom}; }
    AIRealPoint size(AIArtHandle copy) {
        const AIRealRect box = bounds(copy);
        return {box.right - box.left, box.top - box.bottom};
    }
};

TEST_F(CheckerboardTest, TwoByTwoLaysFourRowsOfTwoWithOddRowsShifted) {
    ASSERT_EQ(dragOnce(), kNoErr);
    auto copies = art();
    ASSERT_EQ(copies.size(), 8u);
    // Offsets of the squares in the order they are laid; the drag path itself (square 0)
    // stays where it is, every duplicate is the drag path moved by its square's offset.
    const AIRealPoint offsets[] = {{0, 0},  {60, 0},  {30, 10}, {90, 10},
                                   {0, 20}, {60, 20}, {30, 30}, {90, 30}};
    for (size_t i = 0; i < copies.size(); ++i) {
        EXPECT_TRUE(near(lowerLeft(copies[i]), {kFrom.h + offsets[i].h, kFrom.v + offsets[i].v}))
            << "copy " << i;
        EXPECT_TRUE(near(size(copies[i]), {90, 30})) << "copy " << i;
        EXPECT_TRUE(tagged(copies[i])) << "copy " << i;
    }
    // The last square of an odd row lies a whole drag vector away: it starts at the far corner.
    EXPECT_TRUE(near({bounds(copies[7]).left, bounds(copies[7]).bottom}, {kTo.h, kTo.v}));
}

TEST_F(CheckerboardTest, TouchMakesEveryCopyFillItsSquareAndTouchAtCorners) {
    setBool(kTouch, true);
    ASSERT_EQ(dragOnce(), kNoErr);
    auto copies = art();
    ASSERT_EQ(copies.size(), 8u);
    // The drag path shrinks to one square (30 x 10) about its centre (145, 115).
    const AIRealPoint first = lowerLeft(copies[0]);
    EXPECT_TRUE(near(first, {130, 110}));
    for (size_t i = 0; i < copies.size(); ++i) EXPECT_TRUE(near(size(copies[i]), {30, 10})) << "copy " << i;
    // Square (1, -1) starts where square (0, 0) ends: the two touch at a corner.
    EXPECT_TRUE(near(lowerLeft(copies[2]), {first.h + 30, first.v + 10}));
    EXPECT_TRUE(near(lowerLeft(copies[1]), {first.h + 60, first.v}));
}

TEST_F(CheckerboardTest, TouchOnALevelDragKeepsTheFlatAxisFinite) {
    // A level drag path has no height: its vertical touch factor keeps the path's own size.
    setBool(kTouch, true);
    ASSERT_EQ(dragOnce({190, 100}), kNoErr);
    auto copies = art();
    ASSERT_EQ(copies.size(), 8u);
    for (AIArtHandle copy : copies) {
        for (const AIPathSegment& segment : document().segments(copy)) {
            EXPECT_TRUE(std::isfinite(segment.p.h) && std::isfinite(segment.p.v));
        }
        EXPECT_TRUE(near(size(copy), {30, 0}));
    }
}

TEST_F(CheckerboardTest, TheDragPathsLineScaleIsKeptForItsDuplicates) {
    setBool(kTouch, true);
    struct Row {
        int option;
        AIRealPoint to;
        float path, duplicate;
        const char* why;
    } rows[] = {
        {0, kTo, 1, 1, "ignore: no line scale"},
        {1, kTo, 1.0f / 3, 1.0f / 9, "standard: sqrt(1/3) * sqrt(1/3) on D, again on its duplicates"},
        {2, kTo, 1.0f / 3, 1.0f / 9, "alternate: square (0, 0) is even, so D scales"},
        {1, {10, 70}, 1.0f / 3, 1.0f / 9, "a drag down and to the left mirrors D; strokes scale by size"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.why);
        selectEntry(kScaleLines, row.option);
        ASSERT_EQ(dragOnce(row.to), kNoErr);
        auto copies = art();
        ASSERT_EQ(copies.size(), 8u);
        EXPECT_NEAR(document().style(copies[0]).stroke.width, row.path, 1e-5);
        for (size_t i = 1; i < copies.size(); ++i) {
            EXPECT_NEAR(document().style(copies[i]).stroke.width, row.duplicate, 1e-5) << "copy " << i;
        }
        undoAllDrags();
    }
}

TEST_F(CheckerboardTest, FillIndexIsRowTimesColumn) {
    // " To black" on the white fill: grey = y * x / P.
    selectEntry(qttest::items::fillMode, 2);
    struct Row {
        int process;
        float cycle;
        const char* why;
    } rows[] = {
        {1000, 1000, "process value 1000"},
        {0, 3, "fallback (c - 1) * (r - 1) * 4 - 1 = 3"},
    };
    // Squares in laying order: (y, x) = (0, 0) (0, 2) (1, -1) (1, 1) (2, 0) (2, 2) (3, -1) (3, 1).
    const int indices[] = {0, 0, -1, 1, 0, 4, -3, 3};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.why);
        setInt(qttest::items::fillProcess, row.process);
        ASSERT_EQ(dragOnce(), kNoErr);
        auto copies = art();
        ASSERT_EQ(copies.size(), 8u);
        for (size_t i = 0; i < copies.size(); ++i) {
            // A duplicate inherits the drag path's fill, which copy 0 left white (index 0).
            EXPECT_NEAR(document().style(copies[i]).fill.color.c.g.gray, indices[i] / row.cycle, 1e-6)
                << "copy " << i;
        }
        undoAllDrags();
    }
}

TEST_F(CheckerboardTest, BeneathTestTakesTheRowAndColumn) {
    // " Alternate 1" (grid form): beneath when the row and the column are both even.
    selectEntry(qttest::items::beneath, 2);
    ASSERT_EQ(dragOnce(), kNoErr);
    auto copies = art();
    ASSERT_EQ(copies.size(), 8u);
    // Squares (2, 0) and (2, 2) go beneath all art in that order; (0, 0) is the drag path,
    // which is not duplicated and keeps its place; (0, 2) is beneath as well.
    EXPECT_TRUE(near(lowerLeft(copies[0]), {160, 120})) << "(2, 2), placed last beneath";
    EXPECT_TRUE(near(lowerLeft(copies[1]), {100, 120})) << "(2, 0)";
    EXPECT_TRUE(near(lowerLeft(copies[2]), {160, 100})) << "(0, 2)";
    EXPECT_TRUE(near(lowerLeft(copies[3]), {100, 100})) << "the drag path";
}

TEST_F(CheckerboardTest, TheKeysGrowTheBoardAndTurnIt) {
    struct Row {
        uint32_t keys;
        ASInt32 columns, rows;
        float rotation;
        ASInt32 shownColumns, shownRows;
        float shownRotation;
        const char* why;
    } rows[] = {
        {kShiftModifier, 39, 40, 0, 40, 2, 0, "Shift: each count grows, past 40 back to 2"},
        {kShiftModifier | kOptionModifier, 5, 5, 355, 5, 5, 360, "both keys: 5 degrees more"},
        {kShiftModifier | kOptionModifier, 5, 5, 360, 5, 5, 0, "past 360 back to 0"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.why);
        setInt(kColumns, row.columns);
        setInt(kRows, row.rows);
        setFloat(kRotation, row.rotation);
        ASSERT_EQ(dragOnce(kTo, row.keys), kNoErr);
        EXPECT_EQ(item(kColumns)->intValue(), row.shownColumns);
        EXPECT_EQ(item(kRows)->intValue(), row.shownRows);
        EXPECT_FLOAT_EQ(item(kRotation)->floatValue(), row.shownRotation);
        EXPECT_EQ(art().size(), static_cast<size_t>(row.shownColumns * 2 * row.shownRows));
        undoAllDrags();
    }
}

TEST_F(CheckerboardTest, AZeroDragMakesNothing) {
    ASSERT_EQ(dragOnce(kFrom), kNoErr);
    EXPECT_EQ(art().size(), 1u) << "only the drag path";
}

TEST_F(CheckerboardTest, PlacementDrawsOncePerSquareAndTheDragPathKeepsItsPlace) {
    setBool(kCreate, true);
    host().setTracing(true);
    ASSERT_EQ(dragOnce(), kNoErr);
    EXPECT_EQ(count("AI Random Suite.FloatRnd"), 8u) << "one draw per square";
    EXPECT_LT(art().size(), 8u) << "this seed drops squares";
    undoAllDrags();

    // With a tiny jitter the first made square shows in the trace: its placement draw is
    // followed by four jitter draws before the first tag. Events go on until one drops
    // square (0, 0).
    setFloat(kJitter, 0.01f);
    size_t drawsBeforeTag = 0;
    for (int attempt = 0; attempt < 20 && drawsBeforeTag <= 5; ++attempt) {
        undoAllDrags();
        host().clearTrace();
        ASSERT_EQ(dragOnce(), kNoErr);
        drawsBeforeTag = 0;
        for (const auto& call : host().trace()) {
            if (call == "AI Tag Suite.SetTag") break;
            drawsBeforeTag += call == "AI Random Suite.FloatRnd";
        }
    }
    ASSERT_GT(drawsBeforeTag, 5u) << "no event dropped the first square";
    // The drag path is the first made copy but is not moved to that square.
    auto copies = art();
    ASSERT_FALSE(copies.empty());
    EXPECT_TRUE(near(lowerLeft(copies[0]), kFrom, 0.02f));
}

TEST_F(CheckerboardTest, JitterTakesFourDrawsPerSquare) {
    setFloat(kJitter, 3);
    host().setTracing(true);
    ASSERT_EQ(dragOnce(), kNoErr);
    EXPECT_EQ(count("AI Random Suite.FloatRnd"), 32u);
}

TEST_F(CheckerboardTest, AFailingDuplicateEndsTheEvent) {
    ASSERT_EQ(failEventAt("AI Art Suite.DuplicateArt", 3), kInjectedFaultErr);
    EXPECT_EQ(art().size(), 3u) << "the drag path and two duplicates";
    releaseAndUndo();
}

}  // namespace
