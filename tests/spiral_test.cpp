// Spiral mode through the host: copies wound about the drag path's centre at the drag's
// length, the decay and scale steps, Align, Match, Reverse, Delete, the keys, the line scale,
// the fill index, placement and a failing transform.
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
    kCopies = optionItem("copiesvalue_8"),
    kAlign = optionItem("alignvalue_8"),
    kRotation = optionItem("rotatevalue_8"),
    kJitter = optionItem("jittervalue_8"),
    kScale = optionItem("scalevalue_8"),
    kArms = optionItem("spiralsvalue_8"),
    kDecay = optionItem("decayvalue_8"),
    kDelete = optionItem("deletepathvalue_8"),
    kMatch = optionItem("matchvalue_8"),
    kReverse = optionItem("reversevalue_8"),
    kCreate = optionItem("placementvalue_8"),
};

constexpr int kSpiral = toolNamed("spiral");
constexpr double kPi = 3.14159265358979;

// The drag path runs from (100, 100) to (130, 140): length R = 50, bounds 30 x 40 about the
// centre (115, 120); the midpoint-to-end direction is atan2(4, 3).
constexpr AIRealPoint kFrom{100, 100};
constexpr AIRealPoint kTo{130, 140};
constexpr AIRealPoint kCentre{115, 120};
constexpr double kRadius = 50;

class SpiralTest : public qttest::DriverTest {
  protected:
    void SetUp() override {
        DriverTest::SetUp();
        dragBetween(kFrom, kTo);
        useTool(kSpiral);
        // Unturned copies keep the drag path's 30 x 40 bounds, which the checks read.
        setBool(kAlign, false);
    }

    // Where copy i of a spiral with step `delta` sits at radius factor `decay`.
    static AIRealPoint onSpiral(double angle, double decay) {
        return {static_cast<AIReal>(kCentre.h + std::cos(angle) * kRadius * decay),
                static_cast<AIReal>(kCentre.v + std::sin(angle) * kRadius * decay)};
    }
    AIReal width(AIArtHandle copy) { return bounds(copy).right - bounds(copy).left; }
};

TEST_F(SpiralTest, FullScaleAndDecayGiveARingRepeatedForEveryArm) {
    setInt(kCopies, 4);
    setInt(kArms, 2);
    setFloat(kScale, 100);
    setFloat(kDecay, 100);
    ASSERT_EQ(dragOnce(), kNoErr);

    auto copies = art();
    ASSERT_EQ(copies.size(), 8u) << "four copies a turn, two turns; Delete removed the drag path";
    for (size_t i = 0; i < copies.size(); ++i) {
        // Clockwise by default: the angle falls by a quarter turn per copy.
        EXPECT_TRUE(near(centre(copies[i]), onSpiral(-kPi / 2 * static_cast<double>(i), 1.0)))
            << "copy " << i;
        EXPECT_NEAR(width(copies[i]), 30, 1e-3) << "copy " << i << " keeps the drag path's size";
        EXPECT_FALSE(tagged(copies[i])) << "spiral copies are not tagged";
    }
}

TEST_F(SpiralTest, TheFirstCopyStartsAtTheStartAngleAndTheSecondStepsByDirection) {
    // Defaults: 10 copies a turn, scale 99 %, decay 90 %.
    struct Row {
        bool match, reverse;
        double start, second;
        const char* why;
    } rows[] = {
        {false, false, 0, -2 * kPi / 10, "no Match: starts to the right, turns clockwise"},
        {false, true, 0, 2 * kPi / 10, "Reverse turns counter-clockwise"},
        {true, false, std::atan2(4.0, 3.0), std::atan2(4.0, 3.0) - 2 * kPi / 10,
         "Match starts along the drag"},
        {true, true, std::atan2(4.0, 3.0), std::atan2(4.0, 3.0) + 2 * kPi / 10, "Match with Reverse"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.why);
        setBool(kMatch, row.match);
        setBool(kReverse, row.reverse);
        ASSERT_EQ(dragOnce(), kNoErr);
        auto copies = art();
        ASSERT_EQ(copies.size(), 30u);
        EXPECT_TRUE(near(centre(copies[0]), onSpiral(row.start, 1.0))) << "full radius";
        EXPECT_NEAR(width(copies[0]), 30, 1e-3) << "the first copy is unscaled";
        EXPECT_TRUE(near(centre(copies[1]), onSpiral(row.second, 0.9))) << "one decay step";
        EXPECT_NEAR(width(copies[1]), 30 * 0.99, 1e-3) << "one scale step";
        undoAllDrags();
    }
}

TEST_F(SpiralTest, AlignAndRotationTurnEachCopy) {
    setInt(kCopies, 4);
    setInt(kArms, 1);
    setFloat(kScale, 100);
    setFloat(kDecay, 100);
    setBool(kAlign, true);
    setFloat(kRotation, 90);
    ASSERT_EQ(dragOnce(), kNoErr);
    auto copies = art();
    ASSERT_EQ(copies.size(), 4u);
    // Copy i turns by 90 degrees plus i quarter turns: the 30 x 40 box alternates 40 x 30, 30 x 40.
    for (size_t i = 0; i < copies.size(); ++i) {
        EXPECT_NEAR(width(copies[i]), i % 2 == 0 ? 40 : 30, 1e-3) << "copy " << i;
    }
}

TEST_F(SpiralTest, AZeroLengthDragLeavesTheDragPathEvenWithDelete) {
    ASSERT_TRUE(item(kDelete)->boolValue()) << "Delete is on by default";
    ASSERT_EQ(dragOnce(kFrom), kNoErr);
    auto left = art();
    ASSERT_EQ(left.size(), 1u) << "only the drag path";
    EXPECT_TRUE(near(document().segments(left[0])[0].p, kFrom));
}

TEST_F(SpiralTest, WithoutDeleteTheDragPathStaysBelowTheCopies) {
    setInt(kCopies, 4);
    setInt(kArms, 1);
    setBool(kDelete, false);
    ASSERT_EQ(dragOnce(), kNoErr);
    auto left = art();
    ASSERT_EQ(left.size(), 5u);
    EXPECT_TRUE(near(centre(left[0]), kCentre)) << "the drag path, unmoved";
}

TEST_F(SpiralTest, TheKeysCountArmsAndCopies) {
    struct Row {
        ASInt32 item, start;
        uint32_t keys;
        std::vector<ASInt32> shown;
        const char* why;
    } rows[] = {
        {kArms, 29, kShiftModifier | kOptionModifier, {30, 1, 2}, "both keys: arms up to 30, then 1"},
        {kCopies, 39, kShiftModifier, {40, 2, 3}, "Shift alone: copies up to 40, then 2"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.why);
        setInt(kCopies, 10);
        setInt(kArms, 3);
        setInt(row.item, row.start);
        for (ASInt32 expected : row.shown) {
            while (host().undoLastDrag()) {
            }
            ASSERT_EQ(dragOnce(kTo, row.keys), kNoErr);
            EXPECT_EQ(item(row.item)->intValue(), expected);
        }
        // The last event already drew with the new count.
        EXPECT_EQ(art().size(), static_cast<size_t>(item(kCopies)->intValue() * item(kArms)->intValue()));
        undoAllDrags();
    }
}

TEST_F(SpiralTest, LineScaleFollowsTheRunningScale) {
    setInt(kCopies, 4);
    setInt(kArms, 1);
    setFloat(kScale, 50);
    struct Row {
        int option;
        std::vector<float> widths;
        const char* why;
    } rows[] = {
        {0, {1, 1, 1, 1}, "ignore: strokes keep their width"},
        {1, {1, 0.5f, 0.25f, 0.125f}, "standard: the running scale"},
        {2, {1, 1, 0.25f, 1}, "alternate: even copies only"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.why);
        selectEntry(kScaleLines, row.option);
        ASSERT_EQ(dragOnce(), kNoErr);
        auto copies = art();
        ASSERT_EQ(copies.size(), 4u);
        for (size_t i = 0; i < copies.size(); ++i) {
            EXPECT_NEAR(document().style(copies[i]).stroke.width, row.widths[i], 1e-5) << "copy " << i;
        }
        undoAllDrags();
    }
}

TEST_F(SpiralTest, FillIndexRunsOverAllArmsWithCycleOfAllCopies) {
    // " To black" on the white fill: the grey is i / P, with P = n * a - 1 = 7.
    selectEntry(qttest::items::fillMode, 2);
    setInt(kCopies, 4);
    setInt(kArms, 2);
    ASSERT_EQ(dragOnce(), kNoErr);
    auto copies = art();
    ASSERT_EQ(copies.size(), 8u);
    for (size_t i = 0; i < copies.size(); ++i) {
        EXPECT_NEAR(document().style(copies[i]).fill.color.c.g.gray, static_cast<float>(i) / 7, 1e-6)
            << "copy " << i;
    }
}

TEST_F(SpiralTest, DroppedCopiesAdvanceTheAngleButNotTheScale) {
    setInt(kCopies, 8);
    setInt(kArms, 1);
    setFloat(kScale, 50);
    setFloat(kDecay, 100);
    setBool(kCreate, true);
    host().setTracing(true);
    ASSERT_EQ(dragOnce(), kNoErr);
    EXPECT_EQ(count("AI Random Suite.FloatRnd"), 8u) << "one placement draw per index";

    auto copies = art();
    ASSERT_GT(copies.size(), 1u);
    ASSERT_LT(copies.size(), 8u) << "this seed must drop some copies for the test to mean anything";
    // Each made copy's index follows from its angle; its scale halves once per made copy
    // with an index above 0.
    AIReal expectedWidth = 30;
    int previous = -1;
    for (AIArtHandle copy : copies) {
        const AIRealPoint at = centre(copy);
        double angle = -std::atan2(at.v - kCentre.v, at.h - kCentre.h);
        if (angle < -1e-3) angle += 2 * kPi;
        const int index = static_cast<int>(std::lround(angle / (2 * kPi / 8)));
        ASSERT_GT(index, previous);
        previous = index;
        if (index > 0) expectedWidth /= 2;
        EXPECT_NEAR(width(copy), expectedWidth, 1e-3) << "index " << index;
        EXPECT_NEAR(std::hypot(at.h - kCentre.h, at.v - kCentre.v), kRadius, 1e-3)
            << "decay 100 keeps the radius";
    }
}

TEST_F(SpiralTest, JitterTakesFourDrawsPerCopy) {
    setInt(kCopies, 4);
    setInt(kArms, 2);
    setFloat(kJitter, 5);
    host().setTracing(true);
    ASSERT_EQ(dragOnce(), kNoErr);
    EXPECT_EQ(count("AI Random Suite.FloatRnd"), 32u);
}

TEST_F(SpiralTest, AFailingTransformEndsTheEventAndKeepsTheDragPath) {
    setInt(kCopies, 4);
    setInt(kArms, 1);
    // Fail each fallible call in turn until the second copy's transform fails.
    ASSERT_EQ(failEventAt("AI Transform Art Suite.TransformArt", 2), kInjectedFaultErr);
    EXPECT_EQ(count("AI Art Suite.DisposeArt"), 0u);
    EXPECT_EQ(art().size(), 3u) << "the drag path and the two copies made";
    releaseAndUndo();
}

}  // namespace
