// Background mode through the host: copies scattered over the drag rectangle with random
// scales between the minimum and the maximum, the frame band, linked scale, the draws per
// copy, the keys (copy count and moving the drag path), Delete and a failing transform.
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
    kCopies = optionItem("copiesvalue_12"),
    kScaleMin = optionItem("scaleminvalue_12"),
    kScaleMax = optionItem("scalemaxvalue_12"),
    kFrame = optionItem("framevalue_12"),
    kLinked = optionItem("linkedvalue_12"),
    kRotation = optionItem("applyrotatevalue_12"),
};

constexpr int kBackground = toolNamed("background");

// The drag path runs from (100, 100) to (200, 180): a 100 x 80 rectangle, centre (150, 140).
constexpr AIRealPoint kFrom{100, 100};
constexpr AIRealPoint kTo{200, 180};
constexpr AIRealPoint kCentre{150, 140};
constexpr AIReal kDx = 100, kDy = 80;

class BackgroundTest : public qttest::DriverTest {
  protected:
    void SetUp() override {
        DriverTest::SetUp();
        dragBetween(kFrom, kTo);
        useTool(kBackground);
        // Unturned copies show their scale in their bounds and their offset in their centre.
        setBool(kRotation, false);
    }

    // A copy's scale in per cent on each axis, read from its bounds.
    AIRealPoint scale(AIArtHandle copy) {
        const AIRealRect box = bounds(copy);
        return {(box.right - box.left) / kDx * 100, (box.top - box.bottom) / kDy * 100};
    }
    // Where a copy went: its centre less the drag path's.
    AIRealPoint offset(AIArtHandle copy) {
        const AIRealPoint at = centre(copy);
        return {at.h - kCentre.h, at.v - kCentre.v};
    }
};

TEST_F(BackgroundTest, MostCopiesGetExactlyTheMinimumScale) {
    ASSERT_EQ(dragOnce(), kNoErr);
    auto copies = art();
    ASSERT_EQ(copies.size(), 70u) << "the default count; Delete removed the drag path";
    size_t atMinimum = 0;
    for (AIArtHandle copy : copies) {
        const AIRealPoint s = scale(copy);
        for (AIReal axis : {s.h, s.v}) {
            EXPECT_GE(axis, 97 - 1e-3);
            EXPECT_LT(axis, 103 + 1e-3);
            atMinimum += std::fabs(axis - 97) < 1e-3;
        }
        EXPECT_FALSE(tagged(copy)) << "background copies are not tagged";
    }
    // Every draw below 97/103 is raised to 97 %: about 94 % of the 140 axis values.
    EXPECT_GT(atMinimum, 110u);
    EXPECT_LT(atMinimum, 140u) << "some draws land above the minimum";
}

TEST_F(BackgroundTest, ScaleRules) {
    struct Row {
        AIReal min, max;
        bool linked;
        const char* why;
    } rows[] = {
        {150, 50, false, "a minimum above the maximum: every copy at the minimum"},
        {10, 200, true, "linked: both axes take the second draw"},
        {10, 200, false, "unlinked: the axes differ"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.why);
        setFloat(kScaleMin, row.min);
        setFloat(kScaleMax, row.max);
        setBool(kLinked, row.linked);
        ASSERT_EQ(dragOnce(), kNoErr);
        auto copies = art();
        ASSERT_EQ(copies.size(), 70u);
        size_t equalAxes = 0;
        for (AIArtHandle copy : copies) {
            const AIRealPoint s = scale(copy);
            if (row.min > row.max) {
                EXPECT_TRUE(near(s, {row.min, row.min}));
            }
            equalAxes += std::fabs(s.h - s.v) < 1e-3;
        }
        if (row.linked || row.min > row.max) {
            EXPECT_EQ(equalAxes, copies.size());
        } else {
            EXPECT_LT(equalAxes, copies.size() / 2);
        }
        undoAllDrags();
    }
}

TEST_F(BackgroundTest, TheFrameKeepsCopiesToABandAlongTheSides) {
    for (AIReal frame : {0.0f, 20.0f, 50.0f}) {
        SCOPED_TRACE(frame);
        setFloat(kFrame, frame);
        ASSERT_EQ(dragOnce(), kNoErr);
        auto copies = art();
        ASSERT_EQ(copies.size(), 70u);
        // At 50 % the band check uses 20 % to show that copies also land away from the sides.
        const AIReal f = (frame < 50 ? frame : 20.0f) / 100, eps = 1e-3f;
        size_t vertical = 0, horizontal = 0, inner = 0;
        for (AIArtHandle copy : copies) {
            const AIRealPoint o = offset(copy);
            ASSERT_TRUE(o.h > -eps && o.h < kDx + eps && o.v > -eps && o.v < kDy + eps)
                << "inside the rectangle";
            const bool inVertical = o.h <= kDx * f + eps || o.h >= kDx * (1 - f) - eps;
            const bool inHorizontal = o.v <= kDy * f + eps || o.v >= kDy * (1 - f) - eps;
            vertical += inVertical;
            horizontal += inHorizontal;
            inner += !inVertical && !inHorizontal;
        }
        if (frame < 50) {
            EXPECT_EQ(inner, 0u) << "every copy keeps to a band";
            EXPECT_GT(vertical, 0u);
            EXPECT_GT(horizontal, 0u);
        } else {
            EXPECT_GT(inner, 0u) << "50 % means anywhere";
        }
        undoAllDrags();
    }
}

TEST_F(BackgroundTest, DrawsPerCopy) {
    setInt(kCopies, 3);
    struct Row {
        AIReal frame;
        bool rotation;
        size_t draws;
        const char* why;
    } rows[] = {
        {50, false, 4, "two for the scale, two for the place"},
        {50, true, 5, "and one for the turn"},
        {20, false, 7, "two scale, two band offsets, band, side, along the band"},
        {20, true, 8, "and one for the turn"},
    };
    host().setTracing(true);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.why);
        setFloat(kFrame, row.frame);
        setBool(kRotation, row.rotation);
        host().clearTrace();
        ASSERT_EQ(dragOnce(), kNoErr);
        EXPECT_EQ(count("AI Random Suite.FloatRnd"), 3 * row.draws);
        undoAllDrags();
    }
}

TEST_F(BackgroundTest, FillIndexAndLineScale) {
    // " To black" on the white fill: grey = i / (n - 1). A fixed scale of 150 %.
    selectEntry(qttest::items::fillMode, 2);
    setInt(kCopies, 5);
    setFloat(kScaleMin, 150);
    setFloat(kScaleMax, 50);
    struct Row {
        int option;
        float widths[5];
        const char* why;
    } rows[] = {
        {0, {1, 1, 1, 1, 1}, "ignore"},
        {1, {1.5f, 1.5f, 1.5f, 1.5f, 1.5f}, "standard: sqrt(1.5) * sqrt(1.5)"},
        {2, {1.5f, 1, 1.5f, 1, 1.5f}, "alternate: even copies only"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.why);
        selectEntry(kScaleLines, row.option);
        ASSERT_EQ(dragOnce(), kNoErr);
        auto copies = art();
        ASSERT_EQ(copies.size(), 5u);
        for (size_t i = 0; i < copies.size(); ++i) {
            const AIPathStyle style = document().style(copies[i]);
            EXPECT_NEAR(style.fill.color.c.g.gray, static_cast<float>(i) / 4, 1e-6) << "copy " << i;
            EXPECT_NEAR(style.stroke.width, row.widths[i], 1e-5) << "copy " << i;
        }
        undoAllDrags();
    }
}

TEST_F(BackgroundTest, ShiftCountsTheCopiesFromTheDefaultToTwo) {
    const ASInt32 shown[] = {2, 3, 4};
    for (ASInt32 expected : shown) {
        undoAllDrags();
        ASSERT_EQ(dragOnce(kTo, kShiftModifier), kNoErr);
        EXPECT_EQ(item(kCopies)->intValue(), expected) << "70 is above 40: back to 2, then up";
    }
    EXPECT_EQ(art().size(), 4u);
}

TEST_F(BackgroundTest, BothKeysMoveTheDragPathAndTheStart) {
    ASSERT_EQ(down(kFrom), kNoErr);
    host().setTracing(true);
    ASSERT_EQ(move(kTo, kShiftModifier | kOptionModifier), kNoErr);
    EXPECT_EQ(art().size(), 0u) << "the moved drag path is deleted; no copies";
    EXPECT_EQ(count("AI Tag Suite.SetTag"), 1u) << "the drag path is tagged before its move";
    EXPECT_EQ(count("AI Art Suite.DuplicateArt"), 0u);

    // The drag now starts at the old end point: the copies scatter over (200, 180)-(250, 200).
    ASSERT_EQ(move({250, 200}), kNoErr);
    host().mouseUp();
    auto copies = art();
    ASSERT_EQ(copies.size(), 70u);
    for (AIArtHandle copy : copies) {
        const AIRealPoint at = centre(copy);
        EXPECT_TRUE(at.h >= 225 - 1e-3 && at.h <= 275 + 1e-3 && at.v >= 190 - 1e-3 && at.v <= 210 + 1e-3)
            << "(" << at.h << ", " << at.v << ")";
    }
}

TEST_F(BackgroundTest, ADragBackOnTheStartLeavesNothing) {
    ASSERT_EQ(dragOnce(kFrom), kNoErr);
    EXPECT_EQ(art().size(), 0u);
}

TEST_F(BackgroundTest, AFailingTransformEndsTheEventAndKeepsTheDragPath) {
    setInt(kCopies, 4);
    ASSERT_EQ(failEventAt("AI Transform Art Suite.TransformArt", 2), kInjectedFaultErr);
    EXPECT_EQ(count("AI Art Suite.DisposeArt"), 0u);
    EXPECT_EQ(art().size(), 3u) << "the drag path and the two copies made";
    releaseAndUndo();
}

}  // namespace
