// The drag path shapes, read from the drag path D that the drag mode leaves in the document
// (two copies, no rotation: D is the first art and keeps the geometry it was built with).
#include <cstdint>
#include <initializer_list>
#include <span>
#include <vector>

#include "driver_fixture.h"

namespace qttest {
namespace {

constexpr AIRealPoint s{100, 100};
constexpr AIRealPoint e{300, 250};

struct Seg {
    AIRealPoint p, in, out;
};

// Handles at offsets from the anchor.
Seg at(AIRealPoint p, AIReal inH = 0, AIReal inV = 0, AIReal outH = 0, AIReal outV = 0) {
    return {p, {p.h + inH, p.v + inV}, {p.h + outH, p.v + outV}};
}

::testing::AssertionResult sameSegments(std::span<const AIPathSegment> actual,
                                        const std::vector<Seg>& expected) {
    if (actual.size() != expected.size())
        return ::testing::AssertionFailure() << actual.size() << " anchors, not " << expected.size();
    for (size_t i = 0; i < expected.size(); ++i) {
        if (auto r = near(actual[i].p, expected[i].p); !r) return r << " (anchor " << i << ")";
        if (auto r = near(actual[i].in, expected[i].in); !r) return r << " (in-handle " << i << ")";
        if (auto r = near(actual[i].out, expected[i].out); !r) return r << " (out-handle " << i << ")";
        if (actual[i].corner) return ::testing::AssertionFailure() << "corner flag set on " << i;
    }
    return ::testing::AssertionSuccess();
}

class ShapesTest : public DriverTest {
  protected:
    static constexpr ASInt32 kPenLength = items::prLength;

    qthost::HostConfig config() const override {
        qthost::HostConfig c;
        c.pressureDevice = pressureDevice_;
        return c;
    }

    void useShape(int shape) {
        plainDragMode(2);
        selectEntry(items::lineType, shape);
    }

    // The drag path of the latest event: the copies are D and one duplicate made after it.
    std::span<const AIPathSegment> dragPath() {
        const std::vector<AIArtHandle> made = art();
        EXPECT_EQ(made.size(), 2u);
        return made.empty() ? std::span<const AIPathSegment>{} : document().segments(made.front());
    }

    std::span<const AIPathSegment> oneEvent(int16_t pressure = 255) {
        EXPECT_EQ(down(s), kNoErr);
        EXPECT_EQ(move(e, 0, pressure), kNoErr);
        return dragPath();
    }

    bool pressureDevice_ = false;
};

class PressureShapesTest : public ShapesTest {
  protected:
    void SetUp() override {
        pressureDevice_ = true;
        ShapesTest::SetUp();
        setBool(kPenLength, true);
    }
};

TEST_F(ShapesTest, FixedShapesRunFromStartToEnd) {
    struct Case {
        int shape;
        std::vector<Seg> expected;
        const char* why;
    } cases[] = {
        {0, {at(s), at(e)}, "single line"},
        {1,
         {at(s), at({100, 250}), at(e)},
         "split horizontal: middle is ((e.h - s.h) / 2, e.v), not the midpoint"},
        {2, {at(s), at({300, 75}), at(e)}, "split vertical: middle is (e.h, (e.v - s.v) / 2)"},
        {3, {at(s), at({100, 75}), at({300, 75}), at(e)}, "four-step"},
        {4, {at(s, -20, -20, 20, 20), at(e, -20, -20, 20, 20)}, "curved line 1"},
        {5, {at(s, -120, -120, 120, 120), at(e, -120, -120, 120, 120)}, "curved line 2"},
        {17, {at(s, 0, -40, 0, 40), at(e, 0, -20, 0, 20)}, "curved line 3"},
        {18, {at(s, -40, 0, 40, 0), at(e, -80, 0, 80, 0)}, "curved line 4"},
        {19, {at(s, -80, 0, 80, 0), at(e, 40, 0, -40, 0), at(e, -80, 0, 80, 0)}, "curved line 5: e twice"},
        {20, {at(s, 0, -40, 0, 40), at(e, 0, 80, 0, -80), at(e, 0, -40, 0, 80)}, "curved line 6"},
        {21,
         {at(s, 0, -40, 0, 40), at(e, 0, 80, 0, -80), at(e, 0, -80, 0, 80), at(e, 0, 60, 0, -60)},
         "curved line 7: e three times"},
        {22, {at(s, 0, -90, 0, 90), at(e, 0, 20, 0, -20), at(e, 0, -100, 0, -20)}, "curved line 8"},
        {23,
         {at(s, -40, 0, 40, 0), at(e, -80, 0, 80, 0), at(e, -120, 0, 120, 0), at(e, -160, 0, 160, 0)},
         "curved line 9"},
    };
    for (const Case& c : cases) {
        useShape(c.shape);
        EXPECT_TRUE(sameSegments(oneEvent(), c.expected)) << "shape " << c.shape << ": " << c.why;
        releaseAndUndo();
    }
}

// Pressure 51 gives H = 0.2: each starred anchor moves to p + H (q - p), q the anchor written
// before it (already pulled), and its handles follow the pulled anchor.
TEST_F(PressureShapesTest, StarredAnchorsArePulledTowardTheAnchorBefore) {
    struct Case {
        int shape;
        int16_t pressure;
        std::vector<Seg> expected;
        const char* why;
    } cases[] = {
        {0, 51, {at(s), at({260, 220})}, "e pulled a fifth of the way back to s"},
        {3,
         51,
         {at(s), at({100, 80}), at({260, 76}), at({292, 215.2f})},
         "each anchor pulled toward the pulled one"},
        {4,
         51,
         {at(s, -20, -20, 20, 20), at({260, 220}, -20, -20, 20, 20)},
         "handles follow the pulled anchor"},
        {19,
         51,
         {at(s, -80, 0, 80, 0), at({260, 220}, 40, 0, -40, 0), at({292, 244}, -80, 0, 80, 0)},
         "the repeated end point is pulled toward its pulled predecessor"},
        {0, 0, {at(s), at(e)}, "H = 0: nothing moves"},
        {0, 255, {at(s), at(e)}, "H = 1 exactly: nothing is pulled"},
    };
    for (const Case& c : cases) {
        useShape(c.shape);
        EXPECT_TRUE(sameSegments(oneEvent(c.pressure), c.expected)) << "shape " << c.shape << ": " << c.why;
        releaseAndUndo();
    }
}

TEST_F(PressureShapesTest, WithoutPenLengthPressureDoesNotPull) {
    setBool(kPenLength, false);
    useShape(3);
    EXPECT_TRUE(sameSegments(oneEvent(51), {at(s), at({100, 75}), at({300, 75}), at(e)}));
}

// Point-list shapes: each event may add endPoint; D goes through every collected point.
std::vector<Seg> straightThrough(std::initializer_list<AIRealPoint> points) {
    std::vector<Seg> segs;
    for (AIRealPoint p : points) segs.push_back(at(p));
    return segs;
}

TEST_F(ShapesTest, PointsAreCollectedBeyondTheDistanceThreshold) {
    struct Case {
        int shape;
        std::vector<AIRealPoint> moves;
        std::vector<Seg> expected;
        const char* why;
    } cases[] = {
        {6,
         {{120, 100}, {150, 100}, {170, 100}, {191, 100}, {231, 100}},
         straightThrough({s, {150, 100}, {191, 100}}),
         "points - 40: a point more than 40 from the last collected one"},
        {7,
         {{180, 100}, {181, 100}, {261, 100}, {262, 100}},
         straightThrough({s, {181, 100}, {262, 100}}),
         "points - 80: exactly 80 is not enough"},
        {9,
         {{200, 100}, {200, 100}, {290, 100}},
         straightThrough({s, {200, 100}, {290, 100}}),
         "random threshold r x 80 < distance: 80 and more always adds, 0 never"},
    };
    for (const Case& c : cases) {
        useShape(c.shape);
        ASSERT_EQ(down(s), kNoErr);
        for (AIRealPoint p : c.moves) ASSERT_EQ(move(p), kNoErr);
        EXPECT_TRUE(sameSegments(dragPath(), c.expected)) << "shape " << c.shape << ": " << c.why;
        releaseAndUndo();
    }
}

TEST_F(PressureShapesTest, ZeroLengthFactorCollectsEveryMove) {
    for (int shape : {6, 7}) {
        useShape(shape);
        ASSERT_EQ(down(s), kNoErr);
        ASSERT_EQ(move({101, 100}, 0, 0), kNoErr);
        ASSERT_EQ(move({101, 100}, 0, 0), kNoErr);
        ASSERT_EQ(move({102, 100}, 0, 0), kNoErr);
        EXPECT_TRUE(sameSegments(dragPath(), straightThrough({s, {101, 100}, {102, 100}})))
            << "shape " << shape << ": threshold 0, but a move onto the last point adds nothing";
        releaseAndUndo();
    }
}

TEST_F(ShapesTest, AtMostTwentyOnePointsAreCollected) {
    useShape(6);
    ASSERT_EQ(down(s), kNoErr);
    for (int k = 1; k <= 25; ++k) ASSERT_EQ(move({100.0f + 50.0f * k, 100}), kNoErr);
    const auto path = dragPath();
    ASSERT_EQ(path.size(), 21u);
    EXPECT_TRUE(near(path[20].p, {1100, 100})) << "the 21st point is the last one collected";
}

TEST_F(ShapesTest, KeyShapesAddOnePointPerKeyPress) {
    for (int shape : {12, 16}) {
        useShape(shape);
        ASSERT_EQ(down(s), kNoErr);
        struct Step {
            AIRealPoint at;
            uint32_t keys;
            size_t anchors;
            const char* why;
        } steps[] = {
            {{150, 100}, 0, 1, "no key, no point"},
            {{200, 100}, kCommandModifier, 2, "the key goes down: one point"},
            {{250, 100}, kCommandModifier, 2, "held down: no second point"},
            {{300, 100}, 0, 2, "released"},
            {{350, 120}, kCommandModifier, 3, "pressed again: the next point"},
        };
        for (const Step& step : steps) {
            ASSERT_EQ(move(step.at, step.keys), kNoErr);
            const auto path = dragPath();
            ASSERT_EQ(path.size(), step.anchors) << "shape " << shape << ": " << step.why;
            EXPECT_TRUE(near(path.back().p, step.anchors == 1   ? s
                                            : step.anchors == 2 ? AIRealPoint{200, 100}
                                                                : AIRealPoint{350, 120}))
                << "shape " << shape << ": " << step.why;
        }
        releaseAndUndo();
    }
}

TEST_F(ShapesTest, MouseDownStartsANewPointList) {
    useShape(6);
    ASSERT_EQ(down(s), kNoErr);
    ASSERT_EQ(move({200, 100}), kNoErr);
    ASSERT_EQ(host().mouseUp(), kNoErr);
    ASSERT_EQ(down({400, 400}), kNoErr);
    ASSERT_EQ(move({410, 400}), kNoErr);
    const std::vector<AIArtHandle> all = art();
    ASSERT_EQ(all.size(), 4u) << "the first drag's two copies and this event's two";
    EXPECT_TRUE(sameSegments(document().segments(all[2]), straightThrough({{400, 400}})));
}

// A fresh host's first draws of a drag event are the shape's; the drag mode then takes four
// jitter draws per copy.
enum class Form { R, RPlus, RPlusPlus };

// Four (sign, magnitude) pairs in the order in.h, in.v, out.h, out.v; the sign is -1 when
// its draw times 10 is above 5. R subtracts on the in-handle, R+ adds on in.h, R++ adds on both.
Seg randomHandles(HostDraws& draws, AIRealPoint p, Form form, AIReal m) {
    AIReal offset[4];
    for (AIReal& o : offset) {
        const AIReal sign = draws.next() * 10 > 5 ? -1.0f : 1.0f;
        o = draws.next() * m * sign;
    }
    const AIReal inH = form == Form::R ? -offset[0] : offset[0];
    const AIReal inV = form == Form::RPlusPlus ? offset[1] : -offset[1];
    return {p, {p.h + inH, p.v + inV}, {p.h + offset[2], p.v + offset[3]}};
}

TEST_F(ShapesTest, RandomHandleShapesDrawFourPairsPerAnchor) {
    struct Case {
        int shape;
        std::vector<AIRealPoint> anchors;
        Form form;
        AIReal m;
        int thresholdDraws;
        uint32_t keys;
        const char* why;
    } cases[] = {
        {13, {s, e}, Form::R, 200, 0, 0, "random curved line: R(200) on s and e"},
        {14, {s, {100, 75}, e}, Form::R, 200, 0, 0, "random curved line 2: middle (e - s) / 2"},
        {15, {s, {200.0f / 3, 50}, {200.0f * 2 / 3, 100}, e}, Form::R, 200, 0, 0, "line 3: thirds of e - s"},
        {8, {s, e}, Form::RPlus, 120, 0, 0, "points - 80 random curved: R+(120)"},
        {10, {s, e}, Form::RPlus, 120, 1, 0, "points - random 80 random curved: threshold draw first"},
        {16, {s, e}, Form::RPlusPlus, 200, 0, kCommandModifier, "points - keys (random curve): R++(200)"},
    };
    HostDraws draws;
    for (const Case& c : cases) {
        useShape(c.shape);
        ASSERT_EQ(down(s), kNoErr);
        ASSERT_EQ(move(e, c.keys), kNoErr);
        draws.skip(c.thresholdDraws);
        std::vector<Seg> expected;
        for (AIRealPoint p : c.anchors) expected.push_back(randomHandles(draws, p, c.form, c.m));
        EXPECT_TRUE(sameSegments(dragPath(), expected)) << "shape " << c.shape << ": " << c.why;
        draws.skip(2 * 4);  // the two copies' jitter
        releaseAndUndo();
    }
}

TEST_F(ShapesTest, RandomInterpolateEndsARandomFractionOfTheWay) {
    HostDraws draws;
    useShape(11);
    const AIReal r = draws.next();
    EXPECT_TRUE(sameSegments(oneEvent(), {at(s), at({s.h + r * (e.h - s.h), s.v + r * (e.v - s.v)})}));
}

// A failing segment write ends the event with the host's code; the anchors written before
// it stay in D and no copy is made.
TEST_F(ShapesTest, AFailingSegmentWriteEndsTheEvent) {
    struct Case {
        int shape;
        size_t write;
        std::vector<AIRealPoint> kept;
        const char* why;
    } cases[] = {
        {3, 3, {s, {100, 75}}, "four-step: the third anchor cannot be written"},
        {0, 1, {}, "the very first write"},
        {6, 2, {s}, "point list: the second collected point"},
    };
    for (const Case& c : cases) {
        useShape(c.shape);
        dragBetween(s, e);
        ASSERT_EQ(failEventAt("AI Path Suite.SetPathSegments", c.write), kInjectedFaultErr) << c.why;
        const std::vector<AIArtHandle> made = art();
        ASSERT_EQ(made.size(), 1u) << c.why << ": D only";
        const auto path = document().segments(made[0]);
        ASSERT_GE(path.size(), c.kept.size()) << c.why;
        for (size_t k = 0; k < c.kept.size(); ++k) EXPECT_TRUE(near(path[k].p, c.kept[k])) << c.why;
        releaseAndUndo();
    }
}

}  // namespace
}  // namespace qttest
