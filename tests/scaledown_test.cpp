// Scaledown mode through the host: a row of copies along the drag, each scaled from the one
// before, the apply modes, twist and turn, the fade, the drag path as copy 0, the keys.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "driver_fixture.h"

namespace {

using qttest::optionItem;
using qttest::toolNamed;

enum : ASInt32 {
    kBeneath = optionItem("beneathoptions"),
    kPressureOpacity = optionItem("pr_opacityvalue"),
    kScaleLines = optionItem("scalelinesoptions"),
    kCopies = optionItem("copiesvalue_6"),
    kScaleH = optionItem("scalehvalue_6"),
    kScaleV = optionItem("scalevvalue_6"),
    kTwist = optionItem("twistvalue_6"),
    kJitter = optionItem("jittervalue_6"),
    kPlacement = optionItem("placementvalue_6"),
    kFade = optionItem("fadefillvalue_6"),
    kApplyMode = optionItem("scaleoptions_6"),
    kTurn = optionItem("turnvalue_6"),
    kRotate = optionItem("rotatevalue_6"),
};

constexpr int kScaledown = toolNamed("scaledown");

// The drag runs from (300, 300) to (360, 380): the drag path's vector is (60, 80), its
// centre (330, 340); with n copies copy i sits i / (n - 1) of the way along.
constexpr AIRealPoint kFrom{300, 300};
constexpr AIRealPoint kTo{360, 380};

struct Point {
    double h, v;
};

class ScaledownTest : public qttest::DriverTest {
  protected:
    void SetUp() override {
        DriverTest::SetUp();
        dragBetween(kFrom, kTo);
        useTool(kScaledown);
        setFloat(kRotate, 0);  // unturned copies show their factors in their anchors
    }

    // A copy's factors: its anchors' vector is (60, 80) times them (after any turn).
    Point factors(AIArtHandle art) {
        const AIRealPoint d = lineVector(art);
        return {d.h / 60.0, d.v / 80.0};
    }
};

struct ApplyCase {
    int mode;
    AIReal scaleH, scaleV;
    std::vector<Point> factors;  // copies 0 to 3
    const char* why;
};

TEST_F(ScaledownTest, RunningScalesAndApplyModesSizeEachCopy) {
    // clang-format off
    const std::vector<ApplyCase> cases = {
        {0, 100, 100, {{1, 1}, {1, 1}, {1, 1}, {1, 1}}, "100 / 100 keeps every copy the same size"},
        {0, 50, 50, {{1, 1}, {.5, .5}, {.25, .25}, {.125, .125}}, "50 halves every next copy"},
        {0, 50, 80, {{1, 1}, {.5, .8}, {.25, .64}, {.125, .512}}, "each axis has its own step"},
        {8, 50, 50, {{1, 1}, {.25, .25}, {.25 / 3, .25 / 3}, {.125 / 4, .125 / 4}}, "apply 8 divides by i + 1"},
        {9, 50, 50, {{1, 1}, {.5, .5}, {.5, .5}, {.5, .5}}, "apply 9 never goes below 0.5"},
        {11, 40, 40, {{1, 1}, {.4, .4}, {.4, .4}, {.4, .4}}, "apply 11 restarts below 0.5 from the step"},
        {17, 50, 80, {{1, 1}, {.8, .5}, {.25, .64}, {.512, .125}}, "apply 17 swaps odd copies"},
        {19, 50, 50, {{1, 1}, {-.5, .5}, {.25, .25}, {-.125, .125}}, "apply 19 mirrors odd copies across"},
        // Copy 0 is the drag path itself: the duplicates carry its (-1, 0.5) on top of their own
        // (0.25, -0.5), (-0.25, 0.125) and (0.0625, -0.125).
        {31, 50, 50, {{-1, .5}, {-.25, -.25}, {.25, .0625}, {-.0625, -.0625}}, "apply 31 with tally 0"},
    };
    // clang-format on
    setInt(kCopies, 4);
    for (const ApplyCase& c : cases) {
        undoAllDrags();
        setFloat(kScaleH, c.scaleH);
        setFloat(kScaleV, c.scaleV);
        selectEntry(kApplyMode, c.mode);
        ASSERT_EQ(drag(kFrom, kTo, 1), kNoErr) << c.why;
        auto copies = art();
        ASSERT_EQ(copies.size(), 4u) << c.why;
        for (size_t i = 0; i < 4; ++i) {
            Point f = factors(copies[i]);
            EXPECT_NEAR(f.h, c.factors[i].h, 1e-5) << c.why << ", copy " << i;
            EXPECT_NEAR(f.v, c.factors[i].v, 1e-5) << c.why << ", copy " << i;
            const AIRealPoint m = centre(copies[i]);
            EXPECT_NEAR(m.h, 330 + 20 * i, 1e-3) << c.why << ": copy " << i << " a third further along";
            EXPECT_NEAR(m.v, 340 + 80 / 3.0 * i, 1e-3) << c.why << ", copy " << i;
        }
    }
}

TEST_F(ScaledownTest, Apply13And14ShowTheBaseStepEveryFewMadeCopies) {
    setInt(kCopies, 13);
    setFloat(kScaleH, 50);
    setFloat(kScaleV, 50);
    for (int mode : {13, 14}) {
        undoAllDrags();
        selectEntry(kApplyMode, mode);
        ASSERT_EQ(drag(kFrom, kTo, 1), kNoErr);
        auto copies = art();
        ASSERT_EQ(copies.size(), 13u);
        const int every = mode == 13 ? 4 : 6;
        for (int i = 0; i < 13; ++i) {
            const double expected = (i > 0 && i % every == 0) ? 0.5 : std::pow(0.5, i);
            EXPECT_NEAR(factors(copies[i]).h, expected, 1e-7) << "apply " << mode << ", copy " << i;
        }
    }
}

TEST_F(ScaledownTest, Apply10DrawsOncePerMadeCopy) {
    setInt(kCopies, 5);
    host().setTracing(true);
    for (int mode : {0, 10}) {
        undoAllDrags();
        selectEntry(kApplyMode, mode);
        host().clearTrace();
        ASSERT_EQ(drag(kFrom, kTo, 1), kNoErr);
        EXPECT_EQ(count("AI Random Suite.FloatRnd"), mode == 10 ? 5u : 0u) << "apply " << mode;
    }
    // max(running, draw): never below the running scale of 0.9^i.
    auto copies = art();
    for (size_t i = 0; i < copies.size(); ++i) EXPECT_GE(factors(copies[i]).h, std::pow(0.9, i) - 1e-6) << i;
}

TEST_F(ScaledownTest, TheDragPathIsCopyZeroTaggedAndTurnedAndTheDuplicatesCarryTheTurn) {
    setInt(kCopies, 3);
    setFloat(kScaleH, 100);
    setFloat(kScaleV, 100);
    setFloat(kRotate, 90);
    host().setTracing(true);
    ASSERT_EQ(drag(kFrom, kTo, 1), kNoErr);
    EXPECT_EQ(count("AI Art Suite.NewArt"), 1u);
    EXPECT_EQ(count("AI Art Suite.DuplicateArt"), 2u) << "copy 0 is the drag path itself";
    EXPECT_EQ(count("AI Art Suite.ReorderArt"), 1u);
    auto copies = art();
    ASSERT_EQ(copies.size(), 3u);
    for (size_t i = 0; i < 3; ++i) {
        const AIRealPoint d = lineVector(copies[i]);
        EXPECT_NEAR(d.h, -80, 1e-3) << "a quarter turn of (60, 80), copy " << i;
        EXPECT_NEAR(d.v, 60, 1e-3) << i;
        ASSERT_EQ(document().tags(copies[i]).size(), 1u) << i;
        EXPECT_EQ(document().tags(copies[i])[0].value, "quen-tarb");
    }

    // Placed beneath: the drag path goes to the bottom first, each duplicate below it.
    undoAllDrags();
    selectEntry(kBeneath, 1);
    ASSERT_EQ(drag(kFrom, kTo, 1), kNoErr);
    copies = art();
    ASSERT_EQ(copies.size(), 3u);
    EXPECT_NEAR(centre(copies[2]).h, 330, 1e-3) << "copy 0 (the drag path) on top";
    EXPECT_NEAR(centre(copies[0]).h, 390, 1e-3) << "the last duplicate at the bottom";
}

TEST_F(ScaledownTest, ADragBackOnTheStartMakesNothingAndLeavesTheDragPathUnturned) {
    setFloat(kRotate, 45);
    host().setTracing(true);
    ASSERT_EQ(drag(kFrom, kFrom, 1), kNoErr);
    auto all = art();
    ASSERT_EQ(all.size(), 1u);
    EXPECT_TRUE(document().tags(all[0]).empty());
    EXPECT_EQ(count("AI Transform Art Suite.TransformArt"), 0u);
}

TEST_F(ScaledownTest, TwistMakesOneWholeTurnOverTheRowAndTurnAddsPerIndex) {
    setInt(kCopies, 5);
    setFloat(kScaleH, 100);
    setFloat(kScaleV, 100);
    setInt(kTwist, 1);
    ASSERT_EQ(drag(kFrom, kTo, 1), kNoErr);
    const Point quarterTurns[] = {{60, 80}, {-80, 60}, {-60, -80}, {80, -60}, {60, 80}};
    auto copies = art();
    ASSERT_EQ(copies.size(), 5u);
    for (size_t i = 0; i < 5; ++i) {
        const AIRealPoint d = lineVector(copies[i]);
        EXPECT_NEAR(d.h, quarterTurns[i].h, 1e-3) << "twist 1: copy " << i;
        EXPECT_NEAR(d.v, quarterTurns[i].v, 1e-3) << "twist 1: copy " << i;
    }

    undoAllDrags();
    setInt(kTwist, 0);
    setFloat(kTurn, 90);
    ASSERT_EQ(drag(kFrom, kTo, 1), kNoErr);
    copies = art();
    for (size_t i = 0; i < 5; ++i) {
        const AIRealPoint d = lineVector(copies[i]);
        EXPECT_NEAR(d.h, quarterTurns[i % 4].h, 1e-3) << "turn 90: copy " << i;
        EXPECT_NEAR(d.v, quarterTurns[i % 4].v, 1e-3) << "turn 90: copy " << i;
    }
}

TEST_F(ScaledownTest, Fade100NeitherReadsNorSetsOpacity) {
    host().setTracing(true);
    ASSERT_EQ(drag(kFrom, kTo, 1), kNoErr);
    EXPECT_EQ(count("AI Blend Style Suite.GetOpacity"), 0u);
    EXPECT_EQ(count("AI Blend Style Suite.SetOpacity"), 0u);
    for (AIArtHandle copy : art()) EXPECT_EQ(document().opacity(copy), 1.0f);
}

// A pressure device, so that pressure opacity sets a known value before the fade.
class ScaledownPressureTest : public ScaledownTest {
  protected:
    qthost::HostConfig config() const override {
        qthost::HostConfig c;
        c.pressureDevice = true;
        return c;
    }
};

TEST_F(ScaledownPressureTest, TheFadeMultipliesTheOpacityTheCopyHasByThen) {
    setInt(kCopies, 4);
    setFloat(kFade, 50);
    setBool(kPressureOpacity, true);
    ASSERT_EQ(drag(kFrom, kTo, 1, 51), kNoErr);  // pressure 51: V = 0.2
    auto copies = art();
    ASSERT_EQ(copies.size(), 4u);
    const double expected[] = {0.2, 0.1, 0.05, 0.025};
    for (size_t i = 0; i < 4; ++i) EXPECT_NEAR(document().opacity(copies[i]), expected[i], 1e-6) << i;
}

TEST_F(ScaledownTest, DroppedCopiesKeepTheirPlacesButNeitherShrinkNorFadeTheRow) {
    setInt(kCopies, 12);
    setFloat(kScaleH, 50);
    setFloat(kScaleV, 50);
    setFloat(kFade, 50);
    setBool(kPlacement, true);
    host().setTracing(true);
    ASSERT_EQ(drag(kFrom, kTo, 1), kNoErr);
    EXPECT_EQ(count("AI Random Suite.FloatRnd"), 12u) << "one placement draw per index";

    // Made copies carry the tag; the drag path stays untagged when copy 0 is dropped.
    std::vector<AIArtHandle> made;
    bool pathDropped = false;
    for (AIArtHandle a : art()) {
        if (document().tags(a).empty())
            pathDropped = true;
        else
            made.push_back(a);
    }
    ASSERT_GE(made.size(), 2u);
    ASSERT_LT(made.size(), 12u) << "seed 1 drops some copies";
    int previousIndex = -1;
    for (size_t k = 0; k < made.size(); ++k) {
        const double along = (centre(made[k]).h - 330) / (60.0 / 11);
        const int index = static_cast<int>(std::lround(along));
        EXPECT_NEAR(along, index, 1e-3) << "copy on its own place";
        EXPECT_GT(index, previousIndex);
        previousIndex = index;
        const int steps = static_cast<int>(k) + (pathDropped ? 1 : 0);
        EXPECT_NEAR(factors(made[k]).h, std::pow(0.5, steps), 1e-7) << "made copy " << k;
        EXPECT_NEAR(document().opacity(made[k]), std::pow(0.5, steps), 1e-7) << "made copy " << k;
    }
}

struct LineScaleCase {
    int option;
    int mode;
    std::vector<double> widths;
    const char* why;
};

TEST_F(ScaledownTest, LineScaleFollowsTheAppliedFactors) {
    // clang-format off
    const std::vector<LineScaleCase> cases = {
        {0, 0, {1, 1, 1, 1}, "ignore"},
        {1, 0, {1, .5, .25, .125}, "standard: sqrt(gh) x sqrt(gv)"},
        {2, 0, {1, 1, .25, 1}, "alternate: even copies only"},
        {1, 21, {1, .5, .25, .125}, "mirrored copies keep a finite width"},
    };
    // clang-format on
    setInt(kCopies, 4);
    setFloat(kScaleH, 50);
    setFloat(kScaleV, 50);
    for (const LineScaleCase& c : cases) {
        undoAllDrags();
        selectEntry(kScaleLines, c.option);
        selectEntry(kApplyMode, c.mode);
        ASSERT_EQ(drag(kFrom, kTo, 1), kNoErr);
        auto copies = art();
        ASSERT_EQ(copies.size(), 4u);
        for (size_t i = 0; i < 4; ++i)
            EXPECT_NEAR(document().style(copies[i]).stroke.width, c.widths[i], 1e-6)
                << c.why << ", copy " << i;
    }
}

TEST_F(ScaledownTest, JitterDrawsPerMadeCopyAndTheDuplicatesCarryTheDragPathsShift) {
    setInt(kCopies, 3);
    setFloat(kJitter, 5);
    host().setTracing(true);
    ASSERT_EQ(drag(kFrom, kTo, 1), kNoErr);
    EXPECT_EQ(count("AI Random Suite.FloatRnd"), 12u);
    qttest::HostDraws draws;
    std::vector<Point> shifts;
    for (int i = 0; i < 3; ++i) {
        const AIRealPoint shift = draws.jitter(5);
        shifts.push_back({shift.h, shift.v});
    }
    auto copies = art();
    ASSERT_EQ(copies.size(), 3u);
    for (size_t i = 0; i < 3; ++i) {
        // Copy 0's shift moved the drag path, which every later copy duplicates; the copy's
        // scale of 0.9^i about the first centre shrinks that carried shift with it.
        const double scale = std::pow(0.9, i);
        const Point carried = i == 0 ? Point{0, 0} : Point{shifts[0].h * scale, shifts[0].v * scale};
        const AIRealPoint m = centre(copies[i]);
        EXPECT_NEAR(m.h, 330 + 30 * i + shifts[i].h + carried.h, 1e-3) << i;
        EXPECT_NEAR(m.v, 340 + 40 * i + shifts[i].v + carried.v, 1e-3) << i;
    }
}

TEST_F(ScaledownTest, ShiftAddsACopyAndShiftAltAddsATwistBothShownInThePalette) {
    setInt(kCopies, 39);
    ASSERT_EQ(drag(kFrom, kTo, 2, 255, kShiftModifier), kNoErr);
    EXPECT_EQ(item(kCopies)->intValue(), 2) << "40, then above 40 back to 2";
    EXPECT_EQ(art().size(), 2u);

    setInt(kTwist, 19);
    ASSERT_EQ(drag(kFrom, kTo, 1, 255, kShiftModifier | kOptionModifier), kNoErr);
    EXPECT_EQ(item(kTwist)->intValue(), 20);
    ASSERT_EQ(drag(kFrom, kTo, 1, 255, kShiftModifier | kOptionModifier), kNoErr);
    EXPECT_EQ(item(kTwist)->intValue(), 0) << "above 20 back to 0";
    EXPECT_EQ(item(kCopies)->intValue(), 2);
}

TEST_F(ScaledownTest, AFailureEndsTheEventWhereItHappens) {
    setInt(kCopies, 3);
    setFloat(kRotate, 90);

    ASSERT_EQ(dragFailingAt("AI Art Suite.GetArtBounds", 2), kInjectedFaultErr);
    auto all = art();
    ASSERT_EQ(all.size(), 1u) << "the drag path's re-measure fails: it stays as drawn";
    EXPECT_TRUE(document().tags(all[0]).empty());
    EXPECT_NEAR(lineVector(all[0]).h, 60, 1e-3);

    ASSERT_EQ(dragFailingAt("AI Transform Art Suite.TransformArt"), kInjectedFaultErr);
    all = art();
    ASSERT_EQ(all.size(), 1u) << "the drag path's turn fails: tagged but unturned";
    EXPECT_FALSE(document().tags(all[0]).empty());
    EXPECT_NEAR(lineVector(all[0]).h, 60, 1e-3);

    ASSERT_EQ(dragFailingAt("AI Art Suite.DuplicateArt"), kInjectedFaultErr);
    all = art();
    ASSERT_EQ(all.size(), 1u) << "the first duplicate fails: copy 0 alone, finished";
    EXPECT_NEAR(lineVector(all[0]).h, -80, 1e-3);
}

}  // namespace
