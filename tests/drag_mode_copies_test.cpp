// The drag mode's row of copies: positions along the drag, the turn of the drag path,
// jitter, random dropping and the colour series index.
#include <cmath>
#include <set>
#include <vector>

#include "driver_fixture.h"

namespace qttest {
namespace {

class DragToolCopiesTest : public DriverTest {};

TEST_F(DragToolCopiesTest, CopyILiesIOverNMinusOneAlongTheDrag) {
    plainDragMode(5);
    down({100, 100});
    move({180, 140});
    const auto copies = art();
    ASSERT_EQ(copies.size(), 5u);
    const auto d = document().segments(copies[0]);
    ASSERT_EQ(d.size(), 2u);
    EXPECT_TRUE(near(d[0].p, {100, 100})) << "without rotation D stays in place";
    EXPECT_TRUE(near(d[1].p, {180, 140}));
    const AIRealPoint c0 = centre(copies[0]);
    for (size_t i = 0; i < copies.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_TRUE(near(centre(copies[i]), {c0.h + 20.0f * i, c0.v + 10.0f * i}));
        EXPECT_TRUE(tagged(copies[i]));
    }
}

TEST_F(DragToolCopiesTest, DragPathTurnsAboutItsCentreAndDuplicatesCarryTheTurn) {
    plainDragMode(3);
    setFloat(items::rotate1, 90.0f);
    down({100, 100});
    move({180, 140});
    const auto copies = art();
    ASSERT_EQ(copies.size(), 3u);
    // A quarter turn about (140, 120): (100, 100) -> (160, 80), (180, 140) -> (120, 160).
    for (size_t i = 0; i < copies.size(); ++i) {
        SCOPED_TRACE(i);
        const auto segments = document().segments(copies[i]);
        ASSERT_EQ(segments.size(), 2u);
        EXPECT_TRUE(near(segments[0].p, {160.0f + 40.0f * i, 80.0f + 20.0f * i}));
        EXPECT_TRUE(near(segments[1].p, {120.0f + 40.0f * i, 160.0f + 20.0f * i}));
    }
}

TEST_F(DragToolCopiesTest, BackOnTheMouseDownPointMakesNothingButTheBarePath) {
    plainDragMode(5);
    setBool(items::opacity, true);
    down({100, 100});
    move({150, 100});
    move({100, 100});
    // The driver still made D (a zero-length path); the mode neither copies nor styles it.
    const auto all = art();
    ASSERT_EQ(all.size(), 1u);
    const auto segments = document().segments(all[0]);
    ASSERT_EQ(segments.size(), 2u);
    EXPECT_TRUE(near(segments[0].p, {100, 100}));
    EXPECT_TRUE(near(segments[1].p, {100, 100}));
    EXPECT_FALSE(tagged(all[0]));
    EXPECT_EQ(document().opacity(all[0]), 1.0f) << "no random opacity either";
}

TEST_F(DragToolCopiesTest, JitterMovesEachCopyWithinItsLimits) {
    plainDragMode(10);
    setFloat(items::jitterX1, 10.0f);
    down({100, 100});
    move({190, 100});
    const auto copies = art();
    ASSERT_EQ(copies.size(), 10u);
    // Each duplicate starts from D (which carries its own jitter) and adds its own.
    const AIRealPoint c0 = centre(copies[0]);
    std::set<float> shifts;
    for (size_t i = 1; i < copies.size(); ++i) {
        const AIRealPoint c = centre(copies[i]);
        const float shift = c.h - (c0.h + 10.0f * i);
        EXPECT_LE(std::fabs(shift), 10.0f) << i;
        EXPECT_NEAR(c.v, c0.v, 1e-4) << "no vertical jitter asked for";
        shifts.insert(shift);
    }
    EXPECT_GT(shifts.size(), 1u) << "the copies are jittered independently";
}

// One placement draw per copy, then four jitter draws for each made copy (with jitter 0).
// A dropped copy still advances the offset, so every made copy keeps its own place.
TEST_F(DragToolCopiesTest, DroppedCopiesKeepTheMadeOnesInPlace) {
    constexpr int kCopies = 20;
    const auto draws = hostDraws(host().config().seed, 5 * kCopies);
    std::set<long> expected;
    size_t next = 0;
    for (int i = 0; i < kCopies; ++i) {
        if (draws[next++] > 0.5f) continue;  // dropped
        expected.insert(100 + 10 * i);
        next += 4;
    }
    ASSERT_GT(expected.size(), 0u);
    ASSERT_LT(expected.size(), static_cast<size_t>(kCopies)) << "the seed drops some copies";

    plainDragMode(kCopies);
    setBool(items::create1, true);
    down({100, 100});
    move({290, 100});
    std::set<long> places;
    for (AIArtHandle copy : art()) places.insert(std::lround(bounds(copy).left));
    EXPECT_EQ(places, expected);
}

struct SeriesCase {
    ASInt32 fillProcess;
    ASInt32 strokeProcess;
    float fillStep;    // gray of copy i = i * fillStep (to black from white)
    float strokeStep;  // gray of copy i = 1 - i * strokeStep (to white from black)
    const char* why;
};

TEST_F(DragToolCopiesTest, ColourSeriesRunsOverTheCopyIndex) {
    const std::vector<SeriesCase> rows = {
        {0, 0, 1.0f / 4, 1.0f / 4, "process 0: the cycle is copies - 1"},
        {2, 8, 1.0f / 2, 1.0f / 8, "process values give the cycles, unclamped past them"},
    };
    plainDragMode(5);
    selectEntry(items::fillMode, 2);    // " To black"
    selectEntry(items::strokeMode, 1);  // " To white"
    for (const SeriesCase& row : rows) {
        SCOPED_TRACE(row.why);
        setInt(items::fillProcess, row.fillProcess);
        setInt(items::strokeProcess, row.strokeProcess);
        down({100, 100});
        move({180, 100});
        const auto copies = art();
        ASSERT_EQ(copies.size(), 5u);
        for (size_t i = 0; i < copies.size(); ++i) {
            const AIPathStyle style = document().style(copies[i]);
            ASSERT_EQ(style.fill.color.kind, kGrayColor);
            EXPECT_NEAR(style.fill.color.c.g.gray, i * row.fillStep, 1e-6) << i;
            EXPECT_NEAR(style.stroke.color.c.g.gray, 1 - i * row.strokeStep, 1e-6) << i;
        }
        host().mouseUp();
        ASSERT_TRUE(host().undoLastDrag());
    }
}

}  // namespace
}  // namespace qttest
