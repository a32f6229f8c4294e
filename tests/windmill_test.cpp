// Windmill mode through the host: rings of copies around the drag path's centre, the turn
// and re-size modes, the units, the running re-scale, the keys, Delete and error exits.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "driver_fixture.h"

namespace {

using qttest::optionItem;
using qttest::toolNamed;

// Palette items of the windmill page and the shared controls the tests touch.
enum : ASInt32 {
    kStrokeMode = optionItem("strokeoptions"),
    kScaleLines = optionItem("scalelinesoptions"),
    kCopies = optionItem("copiesvalue_5"),
    kCircles = optionItem("circlesvalue_5"),
    kAlign = optionItem("alignvalue_5"),
    kRotate = optionItem("rotatevalue_5"),
    kJitter = optionItem("jittervalue_5"),
    kOffset = optionItem("offsetvalue_5"),
    kCirclesRadius = optionItem("circlesradiusvalue_5"),
    kScale = optionItem("scalevalue_5"),
    kTurn = optionItem("turnvalue_5"),
    kMeasure = optionItem("measureoptions_5"),
    kResizeMode = optionItem("windmilloptions_5"),
    kTurnMode = optionItem("turnoptions_5"),
    kDelete = optionItem("deletepathvalue_5"),
    kMatch = optionItem("matchvalue_5"),
    kInitial = optionItem("initialvalue_5"),
    kResize = optionItem("resizevalue_5"),
    kPlacement = optionItem("placementvalue_5"),
    kGap = optionItem("gapvvalue_5"),
};

constexpr int kWindmill = toolNamed("windmill");

// The drag path runs from (300, 300) to (360, 380): a drag of length 100 whose bounds have
// the centre (330, 340) and the size 60 x 80.
constexpr AIRealPoint kFrom{300, 300};
constexpr AIRealPoint kTo{360, 380};
constexpr AIRealPoint kCentre{330, 340};

struct Point {
    double h, v;
};

class WindmillTest : public qttest::DriverTest {
  protected:
    void SetUp() override {
        DriverTest::SetUp();
        dragBetween(kFrom, kTo);
        useTool(kWindmill);
        // Unturned copies keep the drag path's shape, which the checks below read.
        setBool(kAlign, false);
    }

    // The copy's factors read from its two anchors: the drag path's vector (60, 80) after
    // the copy's scale, so a mirror shows as a negative factor.
    Point factors(AIArtHandle art) {
        const AIRealPoint d = lineVector(art);
        return {d.h / 60.0, d.v / 80.0};
    }

    void expectCentres(const std::vector<Point>& expected, const char* why) {
        SCOPED_TRACE(why);
        auto copies = art();
        ASSERT_EQ(copies.size(), expected.size());
        for (size_t i = 0; i < expected.size(); ++i) {
            const AIRealPoint c = centre(copies[i]);
            EXPECT_NEAR(c.h, expected[i].h, 0.01) << "copy " << i;
            EXPECT_NEAR(c.v, expected[i].v, 0.01) << "copy " << i;
        }
    }
};

TEST_F(WindmillTest, OneRingOfCopiesAtTheDragLengthAroundTheCentre) {
    setInt(kCopies, 4);
    ASSERT_EQ(drag(kFrom, kTo, 1), kNoErr);
    // Delete is on by default: only the four copies stay, at 0, 90, 180 and 270 degrees.
    expectCentres({{430, 340}, {330, 440}, {230, 340}, {330, 240}}, "plain ring");
    for (AIArtHandle copy : art()) {
        Point f = factors(copy);
        EXPECT_NEAR(f.h, 1, 1e-5);
        EXPECT_NEAR(f.v, 1, 1e-5);
        EXPECT_TRUE(document().tags(copy).empty()) << "windmill copies carry no tag";
    }
}

struct LayoutCase {
    const char* why;
    int copies;
    AIReal gap;
    bool match;
    int measure;
    AIReal initial;
    int circles;
    AIReal circlesRadius;
    AIReal offset;
    int turnMode;
    AIReal turn;
    std::vector<Point> centres;
};

TEST_F(WindmillTest, LayoutFollowsGapMatchUnitsInitialOffsetAndTurnModes) {
    // clang-format off
    const std::vector<LayoutCase> cases = {
        {"gap 50 spreads four copies over half the circle", 4, 50, false, 0, 0, 1, 100, 0, 0, 0,
         {{430, 340}, {400.7107, 410.7107}, {330, 440}, {259.2893, 410.7107}}},
        {"match starts the ring in the direction of the drag", 2, 100, true, 0, 0, 1, 100, 0, 0, 0,
         {{390, 420}, {270, 260}}},
        {"cm multiplies the drag length by 28.347", 2, 100, false, 1, 0, 1, 100, 0, 0, 0,
         {{3164.7, 340}, {-2504.7, 340}}},
        {"inches multiply the drag length by 71.9467", 2, 100, false, 2, 0, 1, 100, 0, 0, 0,
         {{7524.67, 340}, {-6864.67, 340}}},
        {"initial 150 skips circles 0 and 1 (radius 100 and 130)", 2, 100, false, 0, 150, 4, 30, 0, 0, 0,
         {{490, 340}, {170, 340}, {520, 340}, {140, 340}}},
        {"the offset pushes even copies out", 4, 100, false, 0, 0, 1, 100, 20, 0, 0,
         {{450, 340}, {330, 440}, {210, 340}, {330, 240}}},
        {"turn - vertical widens the vertical radius", 4, 100, false, 0, 0, 1, 100, 0, 0, 10,
         {{430, 340}, {330, 450}, {230, 340}, {330, 230}}},
        {"horizontal widens the horizontal radius", 4, 100, false, 0, 0, 1, 100, 0, 1, 10,
         {{440, 340}, {330, 440}, {220, 340}, {330, 240}}},
        {"ripple 1 adds turn x sin((i + 1) x 360 / n) to the vertical radius", 3, 100, false, 0, 0, 1, 100, 0,
         5, 10, {{430, 340}, {280, 419.1025}, {280, 253.3975}}},
    };
    // clang-format on
    for (const LayoutCase& c : cases) {
        setInt(kCopies, c.copies);
        setFloat(kGap, c.gap);
        setBool(kMatch, c.match);
        selectEntry(kMeasure, c.measure);
        setFloat(kInitial, c.initial);
        setInt(kCircles, c.circles);
        setFloat(kCirclesRadius, c.circlesRadius);
        setFloat(kOffset, c.offset);
        selectEntry(kTurnMode, c.turnMode);
        setFloat(kTurn, c.turn);
        while (host().undoLastDrag()) {  // back to an empty document
        }
        ASSERT_EQ(drag(kFrom, kTo, 1), kNoErr) << c.why;
        expectCentres(c.centres, c.why);
    }
}

struct ResizeCase {
    int mode;
    std::vector<Point> factors;  // copies 0 to 7
    const char* why;
};

TEST_F(WindmillTest, ResizeModesScaleAndMirrorEachCopyByIndex) {
    const Point one{1, 1}, half{0.5, 0.5};
    auto both = [](double f) { return Point{f, f}; };
    // clang-format off
    const std::vector<ResizeCase> cases = {
        {0, {one, one, one, one, one, one, one, one}, "ignore"},
        {8, {one, both(1 / 2.), both(1 / 3.), both(1 / 4.), both(1 / 5.), both(1 / 6.), both(1 / 7.), both(1 / 8.)},
         "1 / (i + 1)"},
        {9, {one, {.25, 1 / 6.}, {.25, 1 / 6.}, {.25, 1 / 6.}, {1 / 3., .25}, {.25, 1 / 6.}, {.25, 1 / 6.},
             {.25, 1 / 6.}},
         "the mod 4, mod 3, parity chain with separate factors"},
        {10, {one, both(1 / 6.), both(1 / 6.), both(1 / 6.), both(1 / 6.), both(1 / 5.), both(1 / 6.), both(1 / 6.)},
         "mod 5, then odd 1/5"},
        {16, {half, one, half, one, half, one, half, one}, "((i mod 2) + 1) / 2"},
        {24, {half, half, half, half, half, one, half, half}, "whole only when i mod 4 = 1 and i mod 3 = 2"},
        {32, {one, both(.8), both(.6), both(.4), both(.2), one, both(.8), both(.6)}, "fifths falling by i mod 5"},
        {36, {one, both(1 / 6.), one, both(1 / 3.), one, both(1 / 6.), one, both(1 / 3.)}, "odd thirds, sixths at 1 mod 4"},
        {40, {both(1 / 8.), both(1 / 6.), both(1 / 5.), both(1 / 3.), one, both(1 / 3.), both(1 / 5.), both(1 / 6.)},
         "the peak at i mod 9 = 4"},
        {43, {one, {-1, 1}, one, {-1, 1}, one, {-1, 1}, one, {-1, 1}}, "odd copies mirrored across"},
        {46, {half, {-1, -1}, half, {-1, -1}, half, {-1, -1}, half, {-1, -1}}, "odd turned over, even halved"},
        {47, {{-1, 1}, {1, -1}, {-1, 1}, {1, -1}, {-1, 1}, {1, -1}, {-1, 1}, {1, -1}}, "alternating mirrors"},
        {49, {one, {-1, 1}, one, {-1, 1}, one, {-1, 1}, one, {-1, 1}}, "tally 0: i odd and T even mirror across"},
        {53, {half, {-1, -1}, half, {-1, -1}, half, {-1, -1}, half, {-1, -1}}, "differ turns over, same halves"},
        {54, {{1, -.5}, {-.5, 1}, {1, -.5}, {-.5, 1}, {1, -.5}, {-.5, 1}, {1, -.5}, {-.5, 1}}, "half mirrors"},
        {55, {{-1, .5}, {.5, -1}, {-1, .5}, {.5, -1}, {-1, .5}, {.5, -1}, {-1, .5}, {.5, -1}}, "the other half mirrors"},
    };
    // clang-format on
    setInt(kCopies, 8);
    for (const ResizeCase& c : cases) {
        while (host().undoLastDrag()) {
        }
        selectEntry(kResizeMode, c.mode);
        ASSERT_EQ(drag(kFrom, kTo, 1), kNoErr);
        auto copies = art();
        ASSERT_EQ(copies.size(), 8u) << c.why;
        for (size_t i = 0; i < copies.size(); ++i) {
            Point f = factors(copies[i]);
            EXPECT_NEAR(f.h, c.factors[i].h, 1e-5) << "mode " << c.mode << " copy " << i << ": " << c.why;
            EXPECT_NEAR(f.v, c.factors[i].v, 1e-5) << "mode " << c.mode << " copy " << i << ": " << c.why;
        }
    }
}

TEST_F(WindmillTest, RandomResizeModesDrawOncePerCopyWhateverTheIndex) {
    setInt(kCopies, 6);
    host().setTracing(true);
    for (int mode : {0, 27, 28}) {
        selectEntry(kResizeMode, mode);
        host().clearTrace();
        ASSERT_EQ(drag(kFrom, kTo, 1), kNoErr);
        EXPECT_EQ(count("AI Random Suite.FloatRnd"), mode == 0 ? 0u : 6u) << "mode " << mode;
        auto copies = art();
        ASSERT_EQ(copies.size(), 6u);
        // Mode 27 keeps even copies whole, mode 28 every third one.
        for (size_t i = 0; i < copies.size(); ++i) {
            bool whole = mode == 0 || (mode == 27 && i % 2 == 0) || (mode == 28 && i % 3 == 0);
            if (whole) {
                EXPECT_NEAR(factors(copies[i]).h, 1, 1e-5) << "mode " << mode << " copy " << i;
            }
        }
        while (host().undoLastDrag()) {
        }
    }
}

TEST_F(WindmillTest, ReScaleRunsAcrossCirclesAndEventsEvenWithoutARing) {
    setInt(kCopies, 2);
    setInt(kCircles, 3);
    setFloat(kCirclesRadius, 0);
    setFloat(kResize, 50);
    // Event 1 is back on the mouse-down point: radius 0, no circle, yet three halvings.
    // Event 2 draws its three circles at 1/8, 1/16 and 1/32.
    ASSERT_EQ(host().mouseDown(kFrom), kNoErr);
    ASSERT_EQ(host().mouseDrag(kFrom), kNoErr);
    ASSERT_EQ(host().mouseDrag(kTo), kNoErr);
    ASSERT_EQ(host().mouseUp(), kNoErr);
    auto copies = art();
    ASSERT_EQ(copies.size(), 6u);
    const double expected[] = {0.125, 0.125, 0.0625, 0.0625, 0.03125, 0.03125};
    for (size_t i = 0; i < copies.size(); ++i) EXPECT_NEAR(factors(copies[i]).h, expected[i], 1e-6) << i;

    // A new drag starts again at 100 %.
    while (host().undoLastDrag()) {
    }
    setInt(kCircles, 1);
    ASSERT_EQ(drag(kFrom, kTo, 1), kNoErr);
    EXPECT_NEAR(factors(art().at(0)).h, 1, 1e-6);
}

TEST_F(WindmillTest, ScaleAlignAndRotationTurnAndSizeEachCopy) {
    setInt(kCopies, 4);
    setFloat(kScale, 50);
    setFloat(kRotate, 90);
    ASSERT_EQ(drag(kFrom, kTo, 1), kNoErr);
    // Turned a quarter, (60, 80) at half size becomes (-40, 30).
    for (AIArtHandle copy : art()) {
        Point f = factors(copy);
        EXPECT_NEAR(f.h * 60, -40, 1e-3);
        EXPECT_NEAR(f.v * 80, 30, 1e-3);
    }
    while (host().undoLastDrag()) {
    }
    setFloat(kRotate, 0);
    setFloat(kScale, 100);
    setBool(kAlign, true);
    ASSERT_EQ(drag(kFrom, kTo, 1), kNoErr);
    // Align turns copy i by its angle on the ring, i x 90 degrees.
    auto copies = art();
    ASSERT_EQ(copies.size(), 4u);
    const Point turned[] = {{60, 80}, {-80, 60}, {-60, -80}, {80, -60}};
    for (size_t i = 0; i < 4; ++i) {
        Point f = factors(copies[i]);
        EXPECT_NEAR(f.h * 60, turned[i].h, 1e-3) << i;
        EXPECT_NEAR(f.v * 80, turned[i].v, 1e-3) << i;
    }
}

struct LineScaleCase {
    int option;
    AIReal scale;
    int resizeMode;
    std::vector<double> widths;  // stroke widths of copies 0 to 3
    const char* why;
};

TEST_F(WindmillTest, LineScaleFollowsTheCopyScale) {
    // clang-format off
    const std::vector<LineScaleCase> cases = {
        {0, 50, 0, {1, 1, 1, 1}, "ignore keeps the width"},
        {1, 50, 0, {.5, .5, .5, .5}, "standard: sqrt(sh) x sqrt(sv)"},
        {2, 50, 0, {.5, 1, .5, 1}, "alternate: even copies only"},
        {3, 50, 0, {1, 1, 1, 1}, "the second alternate entry acts as ignore"},
        {1, 100, 8, {1, .5, 1 / 3., .25}, "standard follows the re-size mode"},
        {1, 100, 45, {1, 1, 1, 1}, "a mirrored copy keeps a finite width"},
        {1, -50, 0, {.5, .5, .5, .5}, "a negative scale keeps a finite width"},
    };
    // clang-format on
    for (const LineScaleCase& c : cases) {
        while (host().undoLastDrag()) {
        }
        setInt(kCopies, 4);
        selectEntry(kScaleLines, c.option);
        setFloat(kScale, c.scale);
        selectEntry(kResizeMode, c.resizeMode);
        ASSERT_EQ(drag(kFrom, kTo, 1), kNoErr);
        auto copies = art();
        ASSERT_EQ(copies.size(), 4u) << c.why;
        for (size_t i = 0; i < 4; ++i)
            EXPECT_NEAR(document().style(copies[i]).stroke.width, c.widths[i], 1e-5)
                << c.why << ", copy " << i;
    }
}

TEST_F(WindmillTest, StrokeIndexIsTheCopyIndexWithCycleCopiesMinusOne) {
    setInt(kCopies, 5);
    selectEntry(kStrokeMode, 1);  // " To white": black ink falls by i / Q
    ASSERT_EQ(drag(kFrom, kTo, 1), kNoErr);
    auto copies = art();
    ASSERT_EQ(copies.size(), 5u);
    for (size_t i = 0; i < 5; ++i)
        EXPECT_NEAR(document().style(copies[i]).stroke.color.c.g.gray, 1 - i / 4.0, 1e-6) << i;
}

TEST_F(WindmillTest, DeleteDisposesOfTheDragPathOnlyWhenSet) {
    setInt(kCopies, 3);
    ASSERT_EQ(drag(kFrom, kTo, 1), kNoErr);
    EXPECT_EQ(art().size(), 3u) << "Delete is on by default";

    while (host().undoLastDrag()) {
    }
    setBool(kDelete, false);
    ASSERT_EQ(drag(kFrom, kTo, 1), kNoErr);
    auto all = art();
    ASSERT_EQ(all.size(), 4u);
    auto d = document().segments(all[0]);  // the drag path, beneath its copies, untouched
    ASSERT_EQ(d.size(), 2u);
    EXPECT_EQ(d[0].p.h, kFrom.h);
    EXPECT_EQ(d[1].p.v, kTo.v);
}

TEST_F(WindmillTest, PlacementDropsCopiesButTheRingKeepsItsAngles) {
    setInt(kCopies, 8);
    setBool(kPlacement, true);
    host().setTracing(true);
    ASSERT_EQ(drag(kFrom, kTo, 1), kNoErr);
    EXPECT_EQ(count("AI Random Suite.FloatRnd"), 8u) << "one placement draw per copy";
    auto copies = art();
    EXPECT_LT(copies.size(), 8u) << "seed 1 drops at least one copy";
    EXPECT_EQ(count("AI Art Suite.DuplicateArt"), copies.size());
    for (AIArtHandle copy : copies) {
        const AIRealPoint c = centre(copy);
        double angle = std::atan2(c.v - kCentre.v, c.h - kCentre.h) * 4 / M_PI;
        EXPECT_NEAR(angle, std::round(angle), 1e-4) << "each copy on a multiple of 45 degrees";
        EXPECT_NEAR(std::hypot(c.h - kCentre.h, c.v - kCentre.v), 100, 1e-3);
    }
}

TEST_F(WindmillTest, JitterDrawsVerticalSignHorizontalSignThenTheMagnitudesInUnits) {
    setInt(kCopies, 4);
    setFloat(kJitter, 2);
    selectEntry(kMeasure, 1);  // cm: the jitter reaches 2 x 28.347 points
    host().setTracing(true);
    ASSERT_EQ(drag(kFrom, kTo, 1), kNoErr);
    EXPECT_EQ(count("AI Random Suite.FloatRnd"), 16u);
    const AIReal f = 28.347f, R = 100 * f;
    const Point ring[] = {{R, 0}, {0, R}, {-R, 0}, {0, -R}};
    qttest::HostDraws draws;
    auto copies = art();
    ASSERT_EQ(copies.size(), 4u);
    for (size_t i = 0; i < 4; ++i) {
        const AIRealPoint shift = draws.jitter(f * 2);
        const AIRealPoint c = centre(copies[i]);
        EXPECT_NEAR(c.h - kCentre.h - ring[i].h, shift.h, 2e-3) << i;
        EXPECT_NEAR(c.v - kCentre.v - ring[i].v, shift.v, 2e-3) << i;
    }
}

TEST_F(WindmillTest, ShiftAddsACopyAndShiftAltTurnsFiveDegreesBothShownInThePalette) {
    setInt(kCopies, 38);
    ASSERT_EQ(drag(kFrom, kTo, 3, 255, kShiftModifier), kNoErr);
    EXPECT_EQ(item(kCopies)->intValue(), 2) << "39, 40, then above 40 back to 2";
    EXPECT_EQ(art().size(), 2u);

    setFloat(kRotate, 350);
    ASSERT_EQ(drag(kFrom, kTo, 2, 255, kShiftModifier | kOptionModifier), kNoErr);
    EXPECT_FLOAT_EQ(item(kRotate)->floatValue(), 360) << "355, 360";
    ASSERT_EQ(drag(kFrom, kTo, 1, 255, kShiftModifier | kOptionModifier), kNoErr);
    EXPECT_FLOAT_EQ(item(kRotate)->floatValue(), 0) << "365 is above 360: back to 0";
    EXPECT_EQ(item(kCopies)->intValue(), 2) << "both keys leave the copies alone";
}

TEST_F(WindmillTest, AFailingCopyEndsTheEventAndKeepsTheDragPath) {
    setInt(kCopies, 4);
    // The second copy's transform fails: the first copy stays, the second stays untransformed,
    // nothing more is made and Delete does not run.
    ASSERT_EQ(dragFailingAt("AI Transform Art Suite.TransformArt", 2), kInjectedFaultErr);
    EXPECT_EQ(count("AI Art Suite.DuplicateArt"), 2u);
    EXPECT_EQ(count("AI Art Suite.DisposeArt"), 0u);
    auto all = art();
    ASSERT_EQ(all.size(), 3u);
    EXPECT_NEAR(centre(all[1]).h, 430, 1e-3) << "copy 0 in its place";
    EXPECT_NEAR(centre(all[2]).h, 330, 1e-3) << "copy 1 left where it was duplicated";

    ASSERT_EQ(dragFailingAt("AI Art Suite.GetArtBounds"), kInjectedFaultErr);
    EXPECT_EQ(art().size(), 1u) << "a failed measure makes no copy and keeps the drag path";
}

}  // namespace
