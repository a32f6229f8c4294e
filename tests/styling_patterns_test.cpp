// Mirrored-copy patterns, seen on the drag mode with two copies: the drag path D from
// (100, 100) to (200, 150) and its copy shifted by the drag vector, each with its figure.
#include <algorithm>
#include <cmath>
#include <span>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "driver_fixture.h"

namespace qttest {
namespace {

constexpr AIRealPoint kFrom{100, 100};
constexpr AIRealPoint kTo{200, 150};

struct Scale {
    AIReal h, v;
};

// The stage-2 scales of D1, D2, D3 per group (group 4 has D1 only).
const std::vector<Scale>& groupScales(int group) {
    static const std::vector<Scale> scales[] = {
        {{-1, 1}, {-1, -1}, {1, -1}},
        {{-0.5f, 0.5f}, {-1, -1}, {0.5f, -0.5f}},
        {{-0.2f, 0.2f}, {-1, -1}, {0.2f, -0.2f}},
        {{-1, 1}},
    };
    return scales[group - 1];
}

using Segments = std::vector<AIPathSegment>;

// Duplicate k (0 for D1) of a straight source: its centre c reflected across the vertical
// line through the origin (D1), through the origin (D2) or across the horizontal line (D3),
// and the geometry scaled about that new centre.
Segments figurePart(const Segments& source, AIRealPoint origin, int k, Scale scale) {
    AIReal left = source[0].p.h, right = left, bottom = source[0].p.v, top = bottom;
    for (const AIPathSegment& s : source) {
        left = std::min(left, s.p.h), right = std::max(right, s.p.h);
        bottom = std::min(bottom, s.p.v), top = std::max(top, s.p.v);
    }
    const AIRealPoint c{(left + right) / 2, (bottom + top) / 2};
    const AIRealPoint reflected{k == 2 ? c.h : 2 * origin.h - c.h, k == 0 ? c.v : 2 * origin.v - c.v};
    const auto map = [&](AIRealPoint p) {
        return AIRealPoint{reflected.h + scale.h * (p.h - c.h), reflected.v + scale.v * (p.v - c.v)};
    };
    Segments out;
    for (const AIPathSegment& s : source) out.push_back({map(s.p), map(s.in), map(s.out), false});
    return out;
}

Segments line(AIRealPoint a, AIRealPoint b) { return {{a, a, a, false}, {b, b, b, false}}; }

::testing::AssertionResult sameSegments(std::span<const AIPathSegment> actual, const Segments& expected) {
    if (actual.size() != expected.size())
        return ::testing::AssertionFailure() << actual.size() << " segments, not " << expected.size();
    for (size_t i = 0; i < expected.size(); ++i) {
        for (auto [a, e, what] : {std::tuple{actual[i].p, expected[i].p, "anchor"},
                                  std::tuple{actual[i].in, expected[i].in, "in-handle"},
                                  std::tuple{actual[i].out, expected[i].out, "out-handle"}}) {
            if (auto r = near(a, e); !r) return r << " (" << what << " of segment " << i << ")";
        }
    }
    return ::testing::AssertionSuccess();
}

class PatternTest : public DriverTest {
  protected:
    static constexpr ASInt32 kPlaceBeneathAlways = 1;

    std::vector<AIArtHandle> dragWithPattern(int option) {
        plainDragMode(2);
        selectEntry(items::pattern, option);
        EXPECT_EQ(down(kFrom), kNoErr);
        EXPECT_EQ(move(kTo), kNoErr);
        EXPECT_EQ(host().mouseUp(), kNoErr);
        return art();
    }

    // Each copy followed by its figure's duplicates, in the order they are made.
    std::vector<Segments> expectedAbove(AIRealPoint origin, int group) {
        std::vector<Segments> all;
        for (const Segments& copy : {line(kFrom, kTo), line({200, 150}, {300, 200})}) {
            all.push_back(copy);
            const auto& scales = groupScales(group);
            for (size_t k = 0; k < scales.size(); ++k)
                all.push_back(figurePart(copy, origin, static_cast<int>(k), scales[k]));
        }
        return all;
    }
};

TEST_F(PatternTest, EachGroupMakesItsFigureAboutItsOrigin) {
    struct Case {
        int option;
        AIRealPoint origin;
        int group;
        const char* why;
    } cases[] = {
        {1, {306, 396}, 1, "group 1 about the page centre: the four-fold mirror"},
        {4, {150, 125}, 1, "group 1 about D's own centre: D's mirror images lie on it"},
        {16, kTo, 2, "group 2 about the end point: side images at half size"},
        {28, {100, 150}, 3, "option 28: (start.h, end.v) with group 3"},
        {31, kFrom, 3, "group 3 about the starting point: side images at a fifth"},
        {43, {100, 150}, 4, "option 43: (start.h, end.v) with group 4"},
        {44, {306, 396}, 4, "group 4: one mirror image across the vertical line"},
    };
    for (const Case& c : cases) {
        const std::vector<AIArtHandle> made = dragWithPattern(c.option);
        const std::vector<Segments> expected = expectedAbove(c.origin, c.group);
        ASSERT_EQ(made.size(), expected.size()) << c.why;
        for (size_t i = 0; i < made.size(); ++i) {
            EXPECT_TRUE(sameSegments(document().segments(made[i]), expected[i])) << c.why << ", art " << i;
            EXPECT_TRUE(tagged(made[i])) << c.why << ", art " << i;
        }
        host().undoLastDrag();
    }
}

TEST_F(PatternTest, GroupZeroMakesNothing) {
    EXPECT_EQ(dragWithPattern(0).size(), 2u) << "the two copies and no figure";
}

TEST_F(PatternTest, BeneathPutsEveryDuplicateBelowAllArt) {
    selectEntry(items::beneath, kPlaceBeneathAlways);
    const std::vector<AIArtHandle> made = dragWithPattern(1);
    // D stays where it was made; everything after it goes below all: the last made lowest.
    std::vector<Segments> expected = expectedAbove({306, 396}, 1);
    const std::vector<Segments> bottomUp = {expected[7], expected[6], expected[5], expected[4],
                                            expected[3], expected[2], expected[1], expected[0]};
    ASSERT_EQ(made.size(), bottomUp.size());
    for (size_t i = 0; i < made.size(); ++i)
        EXPECT_TRUE(sameSegments(document().segments(made[i]), bottomUp[i])) << "art " << i;
}

// The figure's host calls for one copy: the tag is written again before every transform.
TEST_F(PatternTest, TagIsWrittenBeforeEveryTransformInTheFixedOrder) {
    const std::vector<std::string> fourFold = {"DuplicateArt", "GetArtBounds", "SetTag",       "TransformArt",
                                               "DuplicateArt", "SetTag",       "TransformArt", "DuplicateArt",
                                               "SetTag",       "TransformArt", "GetArtBounds", "SetTag",
                                               "TransformArt", "GetArtBounds", "SetTag",       "TransformArt",
                                               "GetArtBounds", "SetTag",       "TransformArt"};
    const std::vector<std::string> single = {"DuplicateArt", "GetArtBounds", "SetTag",
                                             "TransformArt", "GetArtBounds", "SetTag",
                                             "TransformArt", "SetTag",       "TransformArt"};
    for (auto [option, block] : {std::pair{1, fourFold}, std::pair{44, single}}) {
        plainDragMode(2);
        selectEntry(items::pattern, option);
        host().setTracing(true);
        host().clearTrace();
        ASSERT_EQ(down(kFrom), kNoErr);
        ASSERT_EQ(move(kTo), kNoErr);
        std::vector<std::string> calls;
        for (const std::string& call : host().trace()) {
            const std::string name = call.substr(call.find('.') + 1);
            if (name == "DuplicateArt" || name == "GetArtBounds" || name == "SetTag" ||
                name == "TransformArt")
                calls.push_back(name);
        }
        // Copy 0 (D): centre, tag, transform, figure; copy 1: duplicate, tag, transform, figure.
        std::vector<std::string> expected = {"GetArtBounds", "SetTag", "TransformArt"};
        expected.insert(expected.end(), block.begin(), block.end());
        expected.insert(expected.end(), {"DuplicateArt", "SetTag", "TransformArt"});
        expected.insert(expected.end(), block.begin(), block.end());
        EXPECT_EQ(calls, expected) << "pattern option " << option;
        ASSERT_EQ(host().mouseUp(), kNoErr);
        host().setTracing(false);
    }
}

// A failing duplicate, bounds read or transform of the figure ends the event with the host's
// code at once: what was made stays, nothing after it is made (not even the next copy).
TEST_F(PatternTest, AFailingFigureCallEndsTheEventAtOnce) {
    struct Case {
        const char* operation;
        size_t occurrence;  // in the event, counting the drag mode's own calls
        size_t artLeft;
        const char* why;
    } cases[] = {
        {"AI Art Suite.DuplicateArt", 2, 2, "D2 cannot be made: D and D1 stay"},
        {"AI Art Suite.GetArtBounds", 2, 2, "D1's bounds: D1 stays where it was made"},
        {"AI Transform Art Suite.TransformArt", 3, 3, "D2's placement fails after it was made"},
        {"AI Art Suite.GetArtBounds", 4, 4, "stage 2 stops before shaping D2"},
        {"AI Transform Art Suite.TransformArt", 7, 4, "the last shaping (D3) fails"},
    };
    plainDragMode(2);
    selectEntry(items::pattern, 1);
    dragBetween(kFrom, kTo);
    for (const Case& c : cases) {
        ASSERT_EQ(failEventAt(c.operation, c.occurrence), kInjectedFaultErr) << c.why;
        EXPECT_EQ(art().size(), c.artLeft) << c.why;
        releaseAndUndo();
    }
}

}  // namespace
}  // namespace qttest
