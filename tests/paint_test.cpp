// Paint mode through the host: one stamp per processed event with the running scale, fade
// and intensity, the index count_10, follow, dropped stamps, the keys, its own pressure
// opacity, the draws per event and a failing transform.
#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <ostream>
#include <string>
#include <vector>

#include "driver_fixture.h"

namespace {

using qttest::near;
using qttest::optionItem;
using qttest::toolNamed;

enum : ASInt32 {
    kScaleLines = optionItem("scalelinesoptions"),
    kScaleH = optionItem("scaledhvalue_10"),
    kScaleV = optionItem("scaledvvalue_10"),
    kFade = optionItem("fadefillvalue_10"),
    kJitter = optionItem("jittervalue_10"),
    kIntensity = optionItem("intensityvalue_10"),
    kFollow = optionItem("followvalue_10"),
    kRandomTurn = optionItem("anglevalue_10"),
    kCreate = optionItem("placementvalue_10"),
};

constexpr int kPaint = toolNamed("paint");

// Every event of these drags is at (140, 120): the drag path is 40 x 20 about (120, 110) and
// each stamp lands on (160, 130), moved by the drag vector.
constexpr AIRealPoint kFrom{100, 100};
constexpr AIRealPoint kTo{140, 120};
constexpr AIRealPoint kStampCentre{160, 130};

class PaintTest : public qttest::DriverTest {
  protected:
    void SetUp() override {
        DriverTest::SetUp();
        useTool(kPaint);
    }

    // One drag of `events` events at `to`; returns the first failing result.
    ASErr stamps(int events, AIRealPoint to = kTo) {
        ASErr first = down(kFrom);
        for (int i = 0; i < events; ++i) {
            const ASErr result = move(to);
            if (first == kNoErr) first = result;
        }
        host().mouseUp();
        return first;
    }
    AIRealPoint size(AIArtHandle stamp) {
        const AIRealRect box = bounds(stamp);
        return {box.right - box.left, box.top - box.bottom};
    }
};

TEST_F(PaintTest, RunningScaleFadeAndIndexStepFromEventToEvent) {
    // " To black" on the white fill: grey = count_10 / 100.
    selectEntry(qttest::items::fillMode, 2);
    struct Row {
        AIReal scaleH, scaleV, fade;
        AIRealPoint sizes[3];
        float opacities[3];
        const char* why;
    } rows[] = {
        {100, 100, 100, {{40, 20}, {40, 20}, {40, 20}}, {1, 1, 1}, "all 100: equal stamps"},
        {50, 50, 50, {{40, 20}, {20, 10}, {10, 5}}, {1, 0.5f, 0.25f}, "50: each next stamp halves"},
        {50, 100, 0, {{40, 20}, {20, 20}, {10, 20}}, {1, 0, 0}, "fade 0: every later stamp transparent"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.why);
        setFloat(kScaleH, row.scaleH);
        setFloat(kScaleV, row.scaleV);
        setFloat(kFade, row.fade);
        ASSERT_EQ(stamps(3), kNoErr);
        auto left = art();
        ASSERT_EQ(left.size(), 3u) << "the stamps stay (Trail) and every drag path is gone";
        for (size_t k = 0; k < left.size(); ++k) {
            EXPECT_TRUE(near(size(left[k]), row.sizes[k])) << "stamp " << k + 1;
            EXPECT_TRUE(near(centre(left[k]), kStampCentre)) << "stamp " << k + 1;
            EXPECT_FLOAT_EQ(document().opacity(left[k]), row.opacities[k]) << "stamp " << k + 1;
            EXPECT_NEAR(document().style(left[k]).fill.color.c.g.gray, (k + 1) / 100.0f, 1e-6)
                << "stamp " << k + 1;
            EXPECT_TRUE(tagged(left[k]));
        }
        undoAllDrags();
    }
}

TEST_F(PaintTest, LineScaleFollowsTheRunningScale) {
    setFloat(kScaleH, 50);
    setFloat(kScaleV, 50);
    struct Row {
        int option;
        float widths[3];
        const char* why;
    } rows[] = {
        {0, {1, 1, 1}, "ignore"},
        {1, {1, 0.5f, 0.25f}, "standard: sqrt of the running scales"},
        {2, {1, 0.5f, 1}, "alternate: on even counts only"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.why);
        selectEntry(kScaleLines, row.option);
        ASSERT_EQ(stamps(3), kNoErr);
        auto left = art();
        ASSERT_EQ(left.size(), 3u);
        for (size_t k = 0; k < left.size(); ++k) {
            EXPECT_NEAR(document().style(left[k]).stroke.width, row.widths[k], 1e-5) << "stamp " << k + 1;
        }
        undoAllDrags();
    }
}

TEST_F(PaintTest, FollowTurnsFromTheCurrentPointTowardsThePreviousOne) {
    setBool(kFollow, true);
    ASSERT_EQ(down(kFrom), kNoErr);
    ASSERT_EQ(move({130, 140}), kNoErr);
    ASSERT_EQ(move({160, 140}), kNoErr);
    host().mouseUp();
    auto left = art();
    ASSERT_EQ(left.size(), 2u);

    // Stamp 1: D (100, 100)-(130, 140) turned about (115, 120) by the angle from (130, 140)
    // to the mouse-down point, then moved by (30, 40).
    const double angle = std::atan2(-40.0, -30.0);
    auto turned = [&](double h, double v) {
        const double x = h - 115, y = v - 120;
        return AIRealPoint{static_cast<AIReal>(115 + x * std::cos(angle) - y * std::sin(angle) + 30),
                           static_cast<AIReal>(120 + x * std::sin(angle) + y * std::cos(angle) + 40)};
    };
    auto first = document().segments(left[0]);
    ASSERT_EQ(first.size(), 2u);
    EXPECT_TRUE(near(first[0].p, turned(100, 100)));
    EXPECT_TRUE(near(first[1].p, turned(130, 140)));

    // Stamp 2: from (130, 140) to (160, 140) is a half turn about (130, 120), then (60, 40).
    auto second = document().segments(left[1]);
    ASSERT_EQ(second.size(), 2u);
    EXPECT_TRUE(near(second[0].p, {220, 180}));
    EXPECT_TRUE(near(second[1].p, {160, 140}));
}

TEST_F(PaintTest, ADroppedStampStillAdvancesTheRunningValues) {
    setFloat(kScaleH, 50);
    setFloat(kScaleV, 50);
    setFloat(kFade, 50);
    setBool(kCreate, true);
    ASSERT_EQ(down(kFrom), kNoErr);
    size_t made = 0, dropped = 0;
    for (int k = 1; k <= 8; ++k) {
        const size_t before = art().size();
        ASSERT_EQ(move(kTo), kNoErr);
        auto left = art();
        if (left.size() == before) {
            ++dropped;
            continue;
        }
        ASSERT_EQ(left.size(), before + 1) << "one stamp, and the drag path gone";
        ++made;
        const float factor = std::pow(0.5f, static_cast<float>(k - 1));
        EXPECT_TRUE(near(size(left.back()), {40 * factor, 20 * factor})) << "event " << k;
        EXPECT_FLOAT_EQ(document().opacity(left.back()), factor) << "event " << k;
    }
    host().mouseUp();
    EXPECT_GT(made, 0u);
    EXPECT_GT(dropped, 0u) << "this seed must drop a stamp for the test to mean anything";
}

TEST_F(PaintTest, TheKeysChangeScaleStepsAndJitter) {
    struct Row {
        uint32_t keys;
        AIReal scale, jitter;
        AIReal shownScale, shownJitter;
        const char* why;
    } rows[] = {
        {kShiftModifier, 100, 0, 99.99f, 0, "Shift: both scale steps 0.01 lower"},
        {kShiftModifier, 1, 0, 100, 0, "below 1: back to 100"},
        // Paint always trails, so the driver takes Alt as its pause key before the tool runs.
        {kShiftModifier | kOptionModifier, 50, 29, 50, 29, "both keys: a pause, nothing changes"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.why);
        setFloat(kScaleH, row.scale);
        setFloat(kScaleV, row.scale);
        setFloat(kJitter, row.jitter);
        ASSERT_EQ(down(kFrom), kNoErr);
        ASSERT_EQ(move(kTo, row.keys), kNoErr);
        host().mouseUp();
        EXPECT_FLOAT_EQ(item(kScaleH)->floatValue(), row.shownScale);
        EXPECT_FLOAT_EQ(item(kScaleV)->floatValue(), row.shownScale);
        EXPECT_FLOAT_EQ(item(kJitter)->floatValue(), row.shownJitter);
        EXPECT_EQ(art().size(), row.keys & kOptionModifier ? 0u : 1u);
        undoAllDrags();
    }
}

TEST_F(PaintTest, DrawsPerEvent) {
    struct Row {
        bool create, turn;
        AIReal jitter;
        size_t draws;
        const char* why;
    } rows[] = {
        {false, false, 0, 0, "no random options"},
        {true, false, 0, 1, "placement"},
        {false, true, 0, 1, "random turn"},
        {false, false, 4, 4, "jitter"},
    };
    host().setTracing(true);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.why);
        setBool(kCreate, row.create);
        setBool(kRandomTurn, row.turn);
        setFloat(kJitter, row.jitter);
        host().clearTrace();
        ASSERT_EQ(stamps(1), kNoErr);
        EXPECT_EQ(count("AI Random Suite.FloatRnd"), row.draws);
        undoAllDrags();
    }
}

TEST_F(PaintTest, AFailingTransformLeavesTheDragPathAndTheRunningValues) {
    setFloat(kScaleH, 50);
    setFloat(kScaleV, 50);
    host().setTracing(true);
    bool sawFailure = false;
    for (uint64_t n = 1; n < 100 && !sawFailure; ++n) {
        ASSERT_EQ(down(kFrom), kNoErr);
        ASSERT_EQ(move(kTo), kNoErr);
        host().clearTrace();
        host().failNthCall(n, kInjectedFaultErr);
        const ASErr result = move(kTo);
        host().failNthCall(0, kNoErr);
        if (result == kInjectedFaultErr && host().trace().back() == "AI Transform Art Suite.TransformArt") {
            sawFailure = true;
            EXPECT_EQ(count("AI Art Suite.DisposeArt"), 0u);
            // Stamp 1, the failed event's drag path and its untransformed stamp.
            ASSERT_EQ(art().size(), 3u);
            // The running scale did not step on the failed event: the next stamp is at 50 %.
            ASSERT_EQ(move(kTo), kNoErr);
            auto left = art();
            ASSERT_EQ(left.size(), 4u);
            EXPECT_TRUE(near(size(left.back()), {20, 10}));
        }
        host().mouseUp();
        undoAllDrags();
    }
    EXPECT_TRUE(sawFailure);
}

// Hosts with a coloured fill for new art, or a pressure device.
class PaintStyledTest : public PaintTest {
  protected:
    qthost::HostConfig config() const override { return config_; }
    static qthost::HostConfig config_;
};
qthost::HostConfig PaintStyledTest::config_;

qthost::Paint fillOf(ASInt32 kind, std::initializer_list<AIReal> values) {
    qthost::Paint paint;
    paint.paint = true;
    paint.color.kind = kind;
    size_t n = 0;
    for (AIReal value : values) paint.color.c.values[n++] = value;
    return paint;
}

struct IntensityRow {
    qthost::Paint fill;
    size_t components;
    const char* name;  // the colour kind, also the test's name
};

void PrintTo(const IntensityRow& row, std::ostream* out) { *out << row.name; }

class PaintIntensityTest : public PaintStyledTest, public ::testing::WithParamInterface<IntensityRow> {
  protected:
    void SetUp() override {
        config_ = {};
        config_.fill = GetParam().fill;
        PaintStyledTest::SetUp();
    }
};

TEST_P(PaintIntensityTest, IntensityOneHundredDoublesThenTriplesTheFill) {
    const IntensityRow& row = GetParam();
    setFloat(kIntensity, 100);
    ASSERT_EQ(stamps(2), kNoErr);
    auto left = art();
    ASSERT_EQ(left.size(), 2u);
    for (size_t k = 0; k < 2; ++k) {
        const AIColor color = document().style(left[k]).fill.color;
        EXPECT_EQ(color.kind, row.fill.color.kind);
        for (size_t n = 0; n < row.components; ++n) {
            EXPECT_NEAR(color.c.values[n], row.fill.color.c.values[n] * (k + 2), 1e-6)
                << "stamp " << k + 1 << ", component " << n;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    ColourKinds, PaintIntensityTest,
    ::testing::Values(IntensityRow{fillOf(kGrayColor, {0.25f}), 1, "Grey"},
                      IntensityRow{fillOf(kThreeColor, {0.1f, 0.2f, 0.3f}), 3, "ThreeColour"},
                      IntensityRow{fillOf(kFourColor, {0.1f, 0.2f, 0.3f, 0.2f}), 4, "FourColour"}),
    [](const ::testing::TestParamInfo<IntensityRow>& info) { return std::string(info.param.name); });

class PaintPressureTest : public PaintStyledTest {
  protected:
    void SetUp() override {
        config_ = {};
        config_.pressureDevice = true;
        PaintStyledTest::SetUp();
    }
};

TEST_F(PaintPressureTest, PressureOpacityScalesTheFadedOpacity) {
    setBool(qttest::items::prOpacity, true);
    setFloat(kFade, 50);
    ASSERT_EQ(down(kFrom), kNoErr);
    // Pressure 51 gives V = 0.2.
    ASSERT_EQ(move(kTo, 0, 51), kNoErr);
    ASSERT_EQ(move(kTo, 0, 51), kNoErr);
    host().mouseUp();
    auto left = art();
    ASSERT_EQ(left.size(), 2u);
    EXPECT_FLOAT_EQ(document().opacity(left[0]), 0.2f) << "1 x V";
    EXPECT_FLOAT_EQ(document().opacity(left[1]), 0.1f) << "faded to 0.5, then x V";
}

}  // namespace
