// Bounce-along mode through the host: groups of copies along the drag that shrink towards
// the middle of each group and grow back, crunch, the index i x k, the drag path used once.
#include <gtest/gtest.h>

#include <algorithm>
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
    kStrokeMode = optionItem("strokeoptions"),
    kStrokeProcess = optionItem("strokeprocessvalue"),
    kScaleLines = optionItem("scalelinesoptions"),
    kCopies = optionItem("copiesvalue_7"),
    kScale = optionItem("scalevalue_7"),
    kRotate = optionItem("rotatevalue_7"),
    kBounce = optionItem("bouncevalue_7"),
    kJitter = optionItem("jittervalue_7"),
    kCrunch = optionItem("crunchvalue_7"),
    kPlacement = optionItem("placementvalue_7"),
};

constexpr int kBounceAlong = toolNamed("bounce-along");

// The drag runs from (300, 300) to (360, 380): the drag path's vector is (60, 80) and its
// centre (330, 340); the places run from there to the full drag vector.
constexpr AIRealPoint kFrom{300, 300};
constexpr AIRealPoint kTo{360, 380};

struct Point {
    double h, v;
};

class BounceAlongTest : public qttest::DriverTest {
  protected:
    void SetUp() override {
        DriverTest::SetUp();
        dragBetween(kFrom, kTo);
        useTool(kBounceAlong);
        setFloat(kRotate, 0);  // unturned copies show their scale in their anchors
    }

    double scale(AIArtHandle art) { return lineVector(art).h / 60.0; }

    // The place number of a copy from its centre, for `places` places along the drag.
    int place(AIArtHandle art, int places) {
        const double along = (centre(art).h - 330) / (60.0 / (places - 1));
        EXPECT_NEAR(along, std::round(along), 1e-3) << "a copy between two places";
        return static_cast<int>(std::lround(along));
    }
};

struct ScaleCase {
    AIReal scale;
    bool crunch;
    std::vector<double> scales;  // places 0 to 9: two groups of five
    const char* why;
};

TEST_F(BounceAlongTest, EachGroupShrinksToItsMiddleAndGrowsBackOrWithCrunchOnlyShrinks) {
    // clang-format off
    const std::vector<ScaleCase> cases = {
        {100, false, {1, 1, 1, 1, 1, 1, 1, 1, 1, 1}, "scale 100 keeps every copy the same size"},
        {50, false, {1, .5, .25, .5, 1, .5, .25, .125, .25, .5},
         "the drag path has no step; later groups start one step down"},
        {50, true, {1, .5, .25, .125, .0625, .5, .25, .125, .0625, .03125}, "crunch only shrinks"},
    };
    // clang-format on
    setInt(kCopies, 5);
    setInt(kBounce, 2);
    for (const ScaleCase& c : cases) {
        undoAllDrags();
        setFloat(kScale, c.scale);
        setBool(kCrunch, c.crunch);
        ASSERT_EQ(drag(kFrom, kTo, 1), kNoErr) << c.why;
        auto copies = art();
        ASSERT_EQ(copies.size(), 10u) << c.why;
        for (size_t p = 0; p < 10; ++p) {
            EXPECT_EQ(place(copies[p], 10), static_cast<int>(p)) << c.why;
            EXPECT_NEAR(scale(copies[p]), c.scales[p], 1e-7) << c.why << ", place " << p;
            EXPECT_NEAR(centre(copies[p]).v, 340 + p * 80 / 9.0, 1e-3) << c.why << ", place " << p;
        }
    }
}

TEST_F(BounceAlongTest, TheMiddleOfAnEvenGroupUsesIntegerDivision) {
    setInt(kCopies, 4);  // (4 - 1) / 2 = 1: places 0 and 1 shrink, places 2 and 3 grow
    setInt(kBounce, 2);
    setFloat(kScale, 50);
    ASSERT_EQ(drag(kFrom, kTo, 1), kNoErr);
    auto copies = art();
    ASSERT_EQ(copies.size(), 8u);
    const double expected[] = {1, .5, 1, 2, .5, .25, .5, 1};
    for (size_t p = 0; p < 8; ++p) EXPECT_NEAR(scale(copies[p]), expected[p], 1e-7) << "place " << p;
}

struct IndexCase {
    int copies, groups, process;
    std::vector<double> grays;  // stroke ink of each place
    const char* why;
};

TEST_F(BounceAlongTest, StrokeIndexIsPlaceTimesGroup) {
    // clang-format off
    const std::vector<IndexCase> cases = {
        {3, 3, 100, {1, 1, 1, 1, .99, .98, 1, .98, .96}, "index i x k with cycle 100"},
        {3, 3, 0, {1, 1, 1, 1, .75, .5, 1, .5, 0}, "cycle (n - 1) x (g - 1) when the process value is 0"},
        {3, 1, 0, {1, 1, 1}, "one group: cycle 0 leaves the colour alone"},
    };
    // clang-format on
    selectEntry(kStrokeMode, 1);  // " To white": black ink falls by index / cycle
    for (const IndexCase& c : cases) {
        undoAllDrags();
        setInt(kCopies, c.copies);
        setInt(kBounce, c.groups);
        setInt(kStrokeProcess, c.process);
        ASSERT_EQ(drag(kFrom, kTo, 1), kNoErr) << c.why;
        auto copies = art();
        ASSERT_EQ(copies.size(), c.grays.size()) << c.why;
        for (size_t p = 0; p < copies.size(); ++p)
            EXPECT_NEAR(document().style(copies[p]).stroke.color.c.g.gray, c.grays[p], 1e-6)
                << c.why << ", place " << p;
    }
}

TEST_F(BounceAlongTest, TheDragPathIsTheFirstCopyTurnedAndTaggedAndUsedOnce) {
    setInt(kCopies, 3);
    setInt(kBounce, 2);
    setFloat(kScale, 100);
    setFloat(kRotate, 90);
    host().setTracing(true);
    ASSERT_EQ(drag(kFrom, kTo, 1), kNoErr);
    EXPECT_EQ(count("AI Art Suite.NewArt"), 1u);
    EXPECT_EQ(count("AI Art Suite.DuplicateArt"), 5u);
    auto copies = art();
    ASSERT_EQ(copies.size(), 6u);
    for (size_t p = 0; p < 6; ++p) {
        const AIRealPoint d = lineVector(copies[p]);
        EXPECT_NEAR(d.h, -80, 1e-3) << "every copy carries the drag path's quarter turn, place " << p;
        EXPECT_NEAR(d.v, 60, 1e-3) << p;
        EXPECT_EQ(document().tags(copies[p]).size(), 1u) << p;
    }
}

// A seed whose first draw drops place 0, so that the drag path lands further along.
uint32_t seedDroppingPlaceZero() {
    for (uint32_t seed = 1;; ++seed)
        if (qttest::HostDraws(seed).next() > 0.5f) return seed;
}

class BounceAlongDroppedStartTest : public BounceAlongTest {
  protected:
    qthost::HostConfig config() const override {
        qthost::HostConfig c;
        c.seed = seedDroppingPlaceZero();
        return c;
    }
};

TEST_F(BounceAlongDroppedStartTest, TheFirstMadeCopyIsStillTheDragPathOnItsOwnPlace) {
    setInt(kCopies, 5);
    setInt(kBounce, 3);
    setFloat(kScale, 50);
    setBool(kCrunch, true);
    setBool(kPlacement, true);
    host().setTracing(true);
    ASSERT_EQ(drag(kFrom, kTo, 1), kNoErr);
    EXPECT_EQ(count("AI Random Suite.FloatRnd"), 15u) << "one placement draw per place";

    qttest::HostDraws draws(seedDroppingPlaceZero());
    std::vector<int> made;
    for (int p = 0; p < 15; ++p)
        if (draws.next() <= 0.5f) made.push_back(p);
    ASSERT_GE(made.size(), 2u);
    ASSERT_GT(made[0], 0);

    // Paint order is making order: the drag path first, then each duplicate above it. The
    // duplicates copy the drag path where it now lies, so they carry its shift (scaled with
    // them about the drag path's first centre) on top of their own place.
    const double step = 60.0 / 14;
    auto copies = art();
    ASSERT_EQ(copies.size(), made.size()) << "no art but the made copies";
    EXPECT_EQ(count("AI Art Suite.DuplicateArt"), made.size() - 1);
    const int first = made[0];
    EXPECT_NEAR(centre(copies[0]).h, 330 + first * step, 1e-3) << "the drag path on place " << first;
    EXPECT_NEAR(scale(copies[0]), 1, 1e-7) << "the drag path has no step";
    std::vector<int> stepsInGroup(3, 0);
    for (size_t m = 1; m < made.size(); ++m) {
        const int p = made[m];
        const double S = std::pow(0.5, ++stepsInGroup[p / 5]);
        EXPECT_NEAR(scale(copies[m]), S, 1e-7) << "made copy " << m << " at place " << p;
        EXPECT_NEAR(centre(copies[m]).h, 330 + S * first * step + p * step, 1e-3) << "made copy " << m;
        EXPECT_FALSE(document().tags(copies[m]).empty());
    }
}

TEST_F(BounceAlongTest, PlacementBeneathUsesPlaceAndGroupAsRowAndColumn) {
    setInt(kCopies, 2);
    setInt(kBounce, 3);
    selectEntry(kBeneath, 2);  // " Alternate 1": beneath when place and group are both even
    ASSERT_EQ(drag(kFrom, kTo, 1), kNoErr);
    auto copies = art();
    ASSERT_EQ(copies.size(), 6u);
    // Place 4 is (0, 2): the only duplicate beneath. The drag path (place 0) is not moved.
    const int expected[] = {4, 0, 1, 2, 3, 5};
    for (size_t m = 0; m < 6; ++m) EXPECT_EQ(place(copies[m], 6), expected[m]) << "paint position " << m;
}

struct LineScaleCase {
    int option;
    std::vector<double> widths;  // one group of five, scale 50
    const char* why;
};

TEST_F(BounceAlongTest, LineScaleIsTheRunningScale) {
    // clang-format off
    const std::vector<LineScaleCase> cases = {
        {0, {1, 1, 1, 1, 1}, "ignore"},
        {1, {1, .5, .25, .5, 1}, "standard: sqrt(S) x sqrt(S)"},
        {2, {1, 1, .25, 1, 1}, "alternate: even places only"},
    };
    // clang-format on
    setInt(kCopies, 5);
    setInt(kBounce, 1);
    setFloat(kScale, 50);
    for (const LineScaleCase& c : cases) {
        undoAllDrags();
        selectEntry(kScaleLines, c.option);
        ASSERT_EQ(drag(kFrom, kTo, 1), kNoErr);
        auto copies = art();
        ASSERT_EQ(copies.size(), 5u);
        for (size_t p = 0; p < 5; ++p)
            EXPECT_NEAR(document().style(copies[p]).stroke.width, c.widths[p], 1e-6)
                << c.why << ", place " << p;
    }
}

TEST_F(BounceAlongTest, JitterDrawsPerMadeCopyAndTheDuplicatesCarryTheDragPathsShift) {
    setInt(kCopies, 2);
    setInt(kBounce, 2);
    setFloat(kScale, 100);
    setFloat(kJitter, 4);
    host().setTracing(true);
    ASSERT_EQ(drag(kFrom, kTo, 1), kNoErr);
    EXPECT_EQ(count("AI Random Suite.FloatRnd"), 16u);
    qttest::HostDraws draws;
    std::vector<Point> shifts;
    for (int p = 0; p < 4; ++p) {
        const AIRealPoint shift = draws.jitter(4);
        shifts.push_back({shift.h, shift.v});
    }
    auto copies = art();
    ASSERT_EQ(copies.size(), 4u);
    for (size_t p = 0; p < 4; ++p) {
        const Point carried = p == 0 ? Point{0, 0} : shifts[0];
        const AIRealPoint m = centre(copies[p]);
        EXPECT_NEAR(m.h, 330 + 20 * p + shifts[p].h + carried.h, 1e-3) << p;
        EXPECT_NEAR(m.v, 340 + 80 / 3.0 * p + shifts[p].v + carried.v, 1e-3) << p;
    }
}

TEST_F(BounceAlongTest, NothingIsMadeForADragBackOnTheStartOrForNoGroups) {
    setFloat(kRotate, 45);
    host().setTracing(true);
    ASSERT_EQ(drag(kFrom, kFrom, 1), kNoErr);
    ASSERT_EQ(art().size(), 1u);
    EXPECT_TRUE(document().tags(art()[0]).empty());
    EXPECT_EQ(count("AI Transform Art Suite.TransformArt"), 0u) << "the drag path is not turned";

    undoAllDrags();
    setInt(kBounce, 0);
    ASSERT_EQ(drag(kFrom, kTo, 1), kNoErr);
    ASSERT_EQ(art().size(), 1u) << "no group: the drag path alone";
    EXPECT_TRUE(document().tags(art()[0]).empty());
}

TEST_F(BounceAlongTest, ShiftAddsACopyAndShiftAltAddsAGroupBothShownInThePalette) {
    setInt(kCopies, 39);
    setInt(kBounce, 1);
    ASSERT_EQ(drag(kFrom, kTo, 2, 255, kShiftModifier), kNoErr);
    EXPECT_EQ(item(kCopies)->intValue(), 2) << "40, then above 40 back to 2";
    EXPECT_EQ(art().size(), 2u);

    setInt(kBounce, 19);
    ASSERT_EQ(drag(kFrom, kTo, 1, 255, kShiftModifier | kOptionModifier), kNoErr);
    EXPECT_EQ(item(kBounce)->intValue(), 20);
    undoAllDrags();
    ASSERT_EQ(drag(kFrom, kTo, 1, 255, kShiftModifier | kOptionModifier), kNoErr);
    EXPECT_EQ(item(kBounce)->intValue(), 1) << "above 20 back to 1";
    EXPECT_EQ(art().size(), 2u);
}

TEST_F(BounceAlongTest, AFailureEndsTheEventWhereItHappens) {
    setInt(kCopies, 3);
    setInt(kBounce, 2);
    setFloat(kRotate, 90);

    ASSERT_EQ(dragFailingAt("AI Art Suite.GetArtBounds"), kInjectedFaultErr);
    auto all = art();
    ASSERT_EQ(all.size(), 1u) << "the measure fails: the drag path stays as drawn";
    EXPECT_TRUE(document().tags(all[0]).empty());

    ASSERT_EQ(dragFailingAt("AI Transform Art Suite.TransformArt"), kInjectedFaultErr);
    all = art();
    ASSERT_EQ(all.size(), 1u) << "the drag path's turn fails: tagged but unturned";
    EXPECT_FALSE(document().tags(all[0]).empty());
    EXPECT_NEAR(lineVector(all[0]).h, 60, 1e-3);

    ASSERT_EQ(dragFailingAt("AI Art Suite.DuplicateArt", 2), kInjectedFaultErr);
    all = art();
    ASSERT_EQ(all.size(), 2u) << "the second duplicate fails: places 0 and 1 stay";
    EXPECT_EQ(place(all[1], 6), 1);
}

}  // namespace
