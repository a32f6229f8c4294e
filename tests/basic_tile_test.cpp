// Basic tile mode through the host: the 2 x 2 mirror tile of the drag path, its placement
// beneath, the index r + k with cycle 2, jitter draws, the revert and a failing transform.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "driver_fixture.h"

namespace {

using qttest::near;
using qttest::optionItem;
using qttest::toolNamed;

constexpr ASInt32 kJitter = optionItem("jittervalue_11");
constexpr int kBasicTile = toolNamed("basic-tile");

// The drag path runs from (100, 100) to (140, 130); its centre is (120, 115).
constexpr AIRealPoint kFrom{100, 100};
constexpr AIRealPoint kTo{140, 130};

class BasicTileTest : public qttest::DriverTest {
  protected:
    void SetUp() override {
        DriverTest::SetUp();
        dragBetween(kFrom, kTo);
        useTool(kBasicTile);
    }

    // The far anchor of a cell: every cell keeps the mouse-down anchor in place.
    void expectCell(AIArtHandle cell, AIRealPoint far, const char* why) {
        auto segments = document().segments(cell);
        ASSERT_EQ(segments.size(), 2u) << why;
        EXPECT_TRUE(near(segments[0].p, kFrom)) << why;
        EXPECT_TRUE(near(segments[1].p, far)) << why;
    }
};

TEST_F(BasicTileTest, FourCellsMirroredAboutTheCentreAfterTheirShift) {
    struct Row {
        AIRealPoint to;
        AIRealPoint far[4];
        const char* why;
    } rows[] = {
        {kTo, {{140, 130}, {60, 130}, {140, 70}, {60, 70}}, "a diagonal drag"},
        {{140, 100},
         {{140, 100}, {60, 100}, {140, 100}, {60, 100}},
         "a level drag: the rows lie on one another"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.why);
        ASSERT_EQ(dragOnce(row.to), kNoErr);
        auto cells = art();
        ASSERT_EQ(cells.size(), 4u);
        expectCell(cells[0], row.far[0], "(0, 0): the drag path, unchanged");
        expectCell(cells[1], row.far[1], "(0, 1): shifted by dx, mirrored left-right");
        expectCell(cells[2], row.far[2], "(1, 0): shifted by dy, mirrored top-bottom");
        expectCell(cells[3], row.far[3], "(1, 1): shifted by both, mirrored both ways");
        for (AIArtHandle cell : cells) EXPECT_TRUE(tagged(cell));
        undoAllDrags();
    }
}

TEST_F(BasicTileTest, EveryEventIsRevertedAndTheStartPointMakesNothing) {
    ASSERT_EQ(down(kFrom), kNoErr);
    ASSERT_EQ(move({120, 110}), kNoErr);
    ASSERT_EQ(move(kTo), kNoErr);
    EXPECT_EQ(art().size(), 4u) << "only the latest tile";
    ASSERT_EQ(move(kFrom), kNoErr);
    EXPECT_EQ(art().size(), 1u) << "back on the start: only the bare drag path";
    host().mouseUp();
}

TEST_F(BasicTileTest, AlternateTwoPutsOnlyTheDoublyMirroredCellBeneath) {
    selectEntry(qttest::items::beneath, 3);
    ASSERT_EQ(dragOnce(), kNoErr);
    auto cells = art();
    ASSERT_EQ(cells.size(), 4u);
    expectCell(cells[0], {60, 70}, "(1, 1) beneath all");
    expectCell(cells[1], {140, 130}, "the drag path");
    expectCell(cells[2], {60, 130}, "(0, 1)");
    expectCell(cells[3], {140, 70}, "(1, 0)");
}

TEST_F(BasicTileTest, FillIndexIsRowPlusColumnWithCycleTwo) {
    // " To black" on the white fill with the process value 0: grey = (r + k) / 2.
    selectEntry(qttest::items::fillMode, 2);
    ASSERT_EQ(dragOnce(), kNoErr);
    auto cells = art();
    ASSERT_EQ(cells.size(), 4u);
    const float grey[] = {0, 0.5f, 0.5f, 1};
    for (size_t i = 0; i < cells.size(); ++i) {
        EXPECT_FLOAT_EQ(document().style(cells[i]).fill.color.c.g.gray, grey[i]) << "cell " << i;
    }
}

TEST_F(BasicTileTest, JitterTakesFourDrawsPerCell) {
    host().setTracing(true);
    ASSERT_EQ(dragOnce(), kNoErr);
    EXPECT_EQ(count("AI Random Suite.FloatRnd"), 0u) << "no jitter, no draws";
    setFloat(kJitter, 2);
    host().clearTrace();
    ASSERT_EQ(dragOnce(), kNoErr);
    EXPECT_EQ(count("AI Random Suite.FloatRnd"), 16u);
}

TEST_F(BasicTileTest, AFailingTransformEndsTheEvent) {
    ASSERT_EQ(failEventAt("AI Transform Art Suite.TransformArt", 3), kInjectedFaultErr);
    EXPECT_EQ(art().size(), 3u) << "the drag path and the two duplicates made";
    EXPECT_EQ(count("AI Art Suite.DuplicateArt"), 2u);
    releaseAndUndo();
}

}  // namespace
