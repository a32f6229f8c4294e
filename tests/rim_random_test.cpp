// Rim random mode through the host: scales between minimum and maximum, linked scale, the
// rim shift, line scale, modifier keys, random draws, errors.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "driver_fixture.h"

namespace {

using qttest::near;
using qttest::optionItem;
using qttest::toolNamed;

namespace rim {
inline constexpr ASInt32 copies = optionItem("copiesvalue_4");
inline constexpr ASInt32 scaleMin = optionItem("scaleminvalue_4");
inline constexpr ASInt32 scaleMax = optionItem("scalemaxvalue_4");
inline constexpr ASInt32 jitter = optionItem("jittervalue_4");
inline constexpr ASInt32 linked = optionItem("linkedvalue_4");
inline constexpr ASInt32 rotation = optionItem("applyrotatevalue_4");
inline constexpr ASInt32 scaleLines = optionItem("scalelinesoptions");
}  // namespace rim

constexpr int kRimRandomTool = toolNamed("rim-random");
constexpr AIRealPoint kFrom{100.0f, 100.0f};
constexpr AIRealPoint kTo{200.0f, 150.0f};  // D spans (100, 50), centre (150, 125); half vector (50, 25)

class RimRandomTest : public qttest::DriverTest {
  protected:
    void SetUp() override {
        DriverTest::SetUp();
        dragBetween(kFrom, kTo);
        useTool(kRimRandomTool);
        setBool(rim::rotation, false);
    }
    // Every copy scaled by exactly `percent`: a draw times the maximum is below the minimum.
    void fixedScale(float percent) {
        setFloat(rim::scaleMax, 3);
        setFloat(rim::scaleMin, percent);
    }
    AIRealPoint size(AIArtHandle art) {
        const AIRealRect box = bounds(art);
        return {box.right - box.left, box.top - box.bottom};
    }
};

TEST_F(RimRandomTest, MinimumAboveMaximumGivesExactlyTheMinimum) {
    setInt(rim::copies, 3);
    fixedScale(150);
    ASSERT_EQ(dragOnceHeld(), kNoErr);
    const auto copies = art();
    ASSERT_EQ(copies.size(), 3u);
    // Copy 0 is D itself; the duplicates are taken of D after its own scale and scaled again.
    EXPECT_TRUE(near(size(copies[0]), {150, 75}, 1e-2f));
    EXPECT_TRUE(near(size(copies[1]), {225, 112.5f}, 1e-2f));
    EXPECT_TRUE(near(size(copies[2]), {225, 112.5f}, 1e-2f));
}

TEST_F(RimRandomTest, LinkedScaleKeepsProportions) {
    struct Row {
        bool linked;
        bool proportional;
        const char* why;
    };
    const Row table[] = {
        {true, true, "one factor for both axes"},
        {false, false, "two independent factors"},
    };
    setInt(rim::copies, 6);
    setFloat(rim::scaleMin, 20);
    setFloat(rim::scaleMax, 180);
    for (const Row& row : table) {
        SCOPED_TRACE(row.why);
        setBool(rim::linked, row.linked);
        ASSERT_EQ(dragOnceHeld(), kNoErr);
        bool allProportional = true;
        for (AIArtHandle copy : art()) {
            const AIRealPoint s = size(copy);
            allProportional = allProportional && std::fabs(s.h / s.v - 2.0f) < 1e-3f;
        }
        EXPECT_EQ(allProportional, row.proportional);
        releaseAndUndo();
    }
}

TEST_F(RimRandomTest, RimShiftStaysWithinHalfTheDragVector) {
    setInt(rim::copies, 8);
    fixedScale(100);
    ASSERT_EQ(dragOnceHeld(), kNoErr);
    const auto copies = art();
    ASSERT_EQ(copies.size(), 8u);
    // Copy 0 (D) moves from (150, 125) by up to the half vector; duplicates start from it.
    const AIRealPoint first = centre(copies[0]);
    for (size_t i = 0; i < copies.size(); ++i) {
        const AIRealPoint from = i == 0 ? AIRealPoint{150, 125} : first;
        const AIRealPoint c = centre(copies[i]);
        EXPECT_GE(c.h - from.h, -1e-3f) << "copy " << i;
        EXPECT_LT(c.h - from.h, 50.0f) << "copy " << i;
        EXPECT_GE(c.v - from.v, -1e-3f) << "copy " << i;
        EXPECT_LT(c.v - from.v, 25.0f) << "copy " << i;
        EXPECT_TRUE(near(size(copies[i]), {100, 50})) << "copy " << i;
        EXPECT_FALSE(tagged(copies[i])) << "copy " << i;
    }
}

TEST_F(RimRandomTest, DragBackOnTheStartMakesNothing) {
    ASSERT_EQ(down(kFrom), kNoErr);
    ASSERT_EQ(move(kTo), kNoErr);
    ASSERT_EQ(move(kFrom), kNoErr);
    const auto all = art();
    ASSERT_EQ(all.size(), 1u);
    EXPECT_TRUE(near(size(all[0]), {0, 0})) << "only the bare drag path";
}

TEST_F(RimRandomTest, LineScale) {
    struct Row {
        int option;
        std::vector<float> widths;  // stroke widths of copies 0..2 at a fixed scale of 150 %
        const char* why;
    };
    const Row table[] = {
        {0, {1, 1, 1}, "ignore"},
        {1, {1.5f, 2.25f, 2.25f}, "sqrt(sh) * sqrt(sv); duplicates carry D's width"},
        {2, {1.5f, 1.5f, 2.25f}, "alternate: even copies only"},
    };
    setInt(rim::copies, 3);
    fixedScale(150);
    for (const Row& row : table) {
        SCOPED_TRACE(row.why);
        selectEntry(rim::scaleLines, row.option);
        ASSERT_EQ(dragOnceHeld(), kNoErr);
        const auto copies = art();
        ASSERT_EQ(copies.size(), 3u);
        for (size_t i = 0; i < copies.size(); ++i)
            EXPECT_NEAR(document().style(copies[i]).stroke.width, row.widths[i], 1e-4f) << "copy " << i;
        releaseAndUndo();
    }
}

TEST_F(RimRandomTest, ShiftAltMovesTheDragPathAndRestartsTheDrag) {
    ASSERT_EQ(down(kFrom), kNoErr);
    ASSERT_EQ(move(kTo, kShiftModifier | kOptionModifier), kNoErr);
    auto all = art();
    ASSERT_EQ(all.size(), 1u) << "no copies on this event";
    EXPECT_TRUE(near(centre(all[0]), {250, 175})) << "moved by the whole drag vector";
    EXPECT_TRUE(tagged(all[0]));

    // The drag now starts at kTo.
    setInt(rim::copies, 2);
    fixedScale(100);
    ASSERT_EQ(move({300, 250}), kNoErr);
    all = art();
    ASSERT_EQ(all.size(), 2u);
    EXPECT_TRUE(near(size(all[0]), {100, 100}));
    EXPECT_GE(centre(all[0]).h, 250.0f - 1e-3f);
}

TEST_F(RimRandomTest, ShiftAddsACopyAndWrapsAfterForty) {
    struct Row {
        ASInt32 copies, next;
        const char* why;
    };
    const Row table[] = {{10, 11, "one more"}, {40, 2, "above 40 back to 2"}};
    for (const Row& row : table) {
        SCOPED_TRACE(row.why);
        setInt(rim::copies, row.copies);
        ASSERT_EQ(dragOnceHeld(kTo, kShiftModifier), kNoErr);
        EXPECT_EQ(item(rim::copies)->intValue(), row.next);
        EXPECT_EQ(art().size(), static_cast<size_t>(row.next));
        releaseAndUndo();
    }
}

TEST_F(RimRandomTest, RandomDrawsPerCopy) {
    struct Row {
        bool rotation;
        float jitter;
        size_t perCopy;
        const char* why;
    };
    const Row table[] = {
        {false, 0, 4, "two for the scales, two for the rim shift"},
        {true, 0, 5, "and one for the turn"},
        {true, 5, 9, "and four for the jitter"},
    };
    setInt(rim::copies, 3);
    for (const Row& row : table) {
        SCOPED_TRACE(row.why);
        setBool(rim::rotation, row.rotation);
        setFloat(rim::jitter, row.jitter);
        ASSERT_EQ(down(kFrom), kNoErr);
        host().setTracing(true);
        host().clearTrace();
        ASSERT_EQ(move(kTo), kNoErr);
        host().setTracing(false);
        EXPECT_EQ(draws(), 3 * row.perCopy);
        releaseAndUndo();
    }
}

TEST_F(RimRandomTest, AFailingHostCallEndsTheEvent) {
    struct Row {
        const char* op;
        size_t occurrence;
        size_t art;
        const char* why;
    };
    const Row table[] = {
        {"AI Art Suite.GetArtBounds", 1, 1, "no centre: only D"},
        {"AI Transform Art Suite.TransformArt", 1, 1, "D's own transform"},
        {"AI Art Suite.DuplicateArt", 1, 1, "the first duplicate"},
        {"AI Transform Art Suite.TransformArt", 2, 2, "the first duplicate's transform"},
    };
    setInt(rim::copies, 3);
    for (const Row& row : table) {
        SCOPED_TRACE(row.why);
        ASSERT_EQ(failEventAt(row.op, row.occurrence), kInjectedFaultErr);
        EXPECT_EQ(art().size(), row.art);
        releaseAndUndo();
    }
}

TEST_F(RimRandomTest, AFailedMoveKeepsTheStart) {
    // Find the move's transform among the event's fallible calls, a fresh drag per try.
    ASErr result = kNoErr;
    for (uint64_t n = 1; n < 200; ++n) {
        ASSERT_EQ(down(kFrom), kNoErr);
        host().setTracing(true);
        host().clearTrace();
        host().failNthCall(n, kInjectedFaultErr);
        result = move(kTo, kShiftModifier | kOptionModifier);
        host().failNthCall(0, kNoErr);
        host().setTracing(false);
        if (result == kInjectedFaultErr && host().trace().back() == "AI Transform Art Suite.TransformArt")
            break;
        releaseAndUndo();
    }
    ASSERT_EQ(result, kInjectedFaultErr);
    // The start did not move: the next plain event of the drag still copies from kFrom.
    setInt(rim::copies, 2);
    ASSERT_EQ(move(kTo), kNoErr);
    EXPECT_EQ(art().size(), 2u);
}

TEST_F(RimRandomTest, DrawsScaleTurnAndRimShiftInOrder) {
    setInt(rim::copies, 2);
    fixedScale(100);
    setBool(rim::rotation, true);
    ASSERT_EQ(dragOnceHeld(), kNoErr);
    // Per copy: two scale draws, the turn, the vertical then the horizontal rim shift.
    const std::vector<float> d = qttest::hostDraws(10);
    const auto copies = art();
    ASSERT_EQ(copies.size(), 2u);
    const auto rotate = [](double h, double v, double angle) {
        return AIRealPoint{static_cast<float>(h * std::cos(angle) - v * std::sin(angle)),
                           static_cast<float>(h * std::sin(angle) + v * std::cos(angle))};
    };
    // 6.283 rather than 2 pi: over a 112-point line the two differ by about 0.01 at d = 0.5.
    const double turn0 = d[2] * 6.283;
    const double turn1 = d[7] * 6.283;
    EXPECT_TRUE(near(direction(copies[0]), rotate(100, 50, turn0), 1e-3f));
    EXPECT_TRUE(near(direction(copies[1]), rotate(100, 50, turn0 + turn1), 1e-3f));

    const AIRealPoint shift0{d[4] * 50.0f, d[3] * 25.0f};
    EXPECT_TRUE(near(centre(copies[0]), {150 + shift0.h, 125 + shift0.v}, 1e-3f));
    // The duplicate turns D's moved centre about the original centre, then shifts.
    const AIRealPoint turned = rotate(shift0.h, shift0.v, turn1);
    EXPECT_TRUE(
        near(centre(copies[1]), {150 + turned.h + d[9] * 50.0f, 125 + turned.v + d[8] * 25.0f}, 1e-3f));
}

}  // namespace
