// Zoom mode through the host: the six modes' start and end points, the interpolation, the
// curve, the view as frame, modifier keys, the number of draws, errors.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "driver_fixture.h"

namespace {

using qttest::near;
using qttest::optionItem;

namespace zoom {
inline constexpr ASInt32 copies = optionItem("copiesvalue_2");
inline constexpr ASInt32 interpolate = optionItem("interpolatevalue_2");
inline constexpr ASInt32 curve = optionItem("curvevalue_2");
inline constexpr ASInt32 mode = optionItem("zoomoptions_2");
inline constexpr ASInt32 length = optionItem("lengthvalue_2");
inline constexpr ASInt32 view = optionItem("viewvalue_2");
}  // namespace zoom

constexpr AIRealPoint kFrom{200.0f, 300.0f};
constexpr AIRealPoint kTo{350.0f, 420.0f};
constexpr AIRealRect kView{100.0f, 700.0f, 500.0f, 200.0f};  // left, top, right, bottom

bool onPageEdge(AIRealPoint p) {
    const bool inside = p.h >= 0 && p.h <= 612 && p.v >= 0 && p.v <= 792;
    return inside && (p.h == 0 || p.h == 612 || p.v == 0 || p.v == 792);
}

bool onViewEdge(AIRealPoint p) {
    const bool inside = p.h >= kView.left && p.h <= kView.right && p.v >= kView.bottom && p.v <= kView.top;
    return inside && (p.h == kView.left || p.h == kView.right || p.v == kView.bottom || p.v == kView.top);
}

bool same(AIRealPoint a, AIRealPoint b) { return a.h == b.h && a.v == b.v; }

class ZoomTest : public qttest::DriverTest {
  protected:
    qthost::HostConfig config() const override {
        qthost::HostConfig config = qttest::grayArtConfig();
        config.view = kView;
        return config;
    }
    void SetUp() override {
        DriverTest::SetUp();
        dragBetween(kFrom, kTo);
        useTool(qttest::kZoomTool);
    }
    std::vector<AIPathSegment> segments(AIArtHandle line) {
        const auto span = document().segments(line);
        return {span.begin(), span.end()};
    }
    // Largest distance of a handle coordinate from its anchor over the lines of the event.
    float largestHandleOffset() {
        float largest = 0;
        for (AIArtHandle line : art()) {
            for (const AIPathSegment& s : segments(line)) {
                for (float d : {s.in.h - s.p.h, s.in.v - s.p.v, s.out.h - s.p.h, s.out.v - s.p.v})
                    largest = std::fmax(largest, std::fabs(d));
            }
        }
        return largest;
    }
};

TEST_F(ZoomTest, ModesPlaceStartAndEnd) {
    using Check = std::function<bool(AIRealPoint start, AIRealPoint end)>;
    struct Row {
        int mode;
        Check check;
        const char* why;
    };
    const Row table[] = {
        {0, [](AIRealPoint s, AIRealPoint e) { return onPageEdge(s) && same(e, kTo); },
         "page edge to the mouse"},
        {1,
         [](AIRealPoint s, AIRealPoint e) {
             const bool across = s.h == kFrom.h && same(e, {kTo.h, s.v});
             const bool down = s.v == kFrom.v && same(e, {s.h, kTo.v});
             return across || down;
         },
         "a left-right or a top-down line through the start"},
        {2,
         [](AIRealPoint s, AIRealPoint e) {
             return s.h == kFrom.h && same(e, {kTo.h, s.v});
         },
         "horizontal"},
        {3,
         [](AIRealPoint s, AIRealPoint e) {
             return s.v == kFrom.v && same(e, {s.h, kTo.v});
         },
         "vertical"},
        {4, [](AIRealPoint s, AIRealPoint e) { return s.v == kFrom.v && same(e, kTo); }, "bottom zoom"},
        {5, [](AIRealPoint s, AIRealPoint e) { return onPageEdge(s) && onPageEdge(e); }, "edge to edge"},
    };
    for (const Row& row : table) {
        SCOPED_TRACE(row.why);
        selectEntry(zoom::mode, row.mode);
        ASSERT_EQ(dragOnceHeld(), kNoErr);
        const auto lines = art();
        ASSERT_EQ(lines.size(), 10u) << "one line per copy and no drag path";
        for (AIArtHandle line : lines) {
            const auto s = segments(line);
            ASSERT_EQ(s.size(), 2u);
            EXPECT_TRUE(row.check(s[0].p, s[1].p))
                << "(" << s[0].p.h << ", " << s[0].p.v << ") to (" << s[1].p.h << ", " << s[1].p.v << ")";
            for (const AIPathSegment& seg : s) {
                EXPECT_TRUE(same(seg.in, seg.p) && same(seg.out, seg.p)) << "curve 0: straight";
                EXPECT_FALSE(seg.corner);
            }
            EXPECT_TRUE(tagged(line));
        }
        releaseAndUndo();
    }
}

TEST_F(ZoomTest, InterpolateShortensTowardsTheEndCandidate) {
    struct Row {
        float percent;
        float fraction;  // of the way from S to E
        const char* why;
    };
    const Row table[] = {
        {100, 1.0f, "reaches the end candidate exactly"},
        {0, 0.0f, "zero length"},
        {50, 0.5f, "half way"},
    };
    selectEntry(zoom::mode, 4);  // E is the mouse
    for (const Row& row : table) {
        SCOPED_TRACE(row.why);
        setFloat(zoom::interpolate, row.percent);
        ASSERT_EQ(dragOnceHeld(), kNoErr);
        for (AIArtHandle line : art()) {
            const auto s = segments(line);
            ASSERT_EQ(s.size(), 2u);
            const AIRealPoint expected{s[0].p.h + row.fraction * (kTo.h - s[0].p.h),
                                       s[0].p.v + row.fraction * (kTo.v - s[0].p.v)};
            EXPECT_TRUE(near(s[1].p, expected, 1e-3f));
            if (row.percent == 100) {
                EXPECT_TRUE(same(s[1].p, kTo));
            }
        }
        releaseAndUndo();
    }
}

TEST_F(ZoomTest, LengthRandomShortensEachLine) {
    selectEntry(zoom::mode, 4);
    setBool(zoom::length, true);
    ASSERT_EQ(dragOnceHeld(), kNoErr);
    bool shorter = false;
    for (AIArtHandle line : art()) {
        const auto s = segments(line);
        const float full = std::hypot(kTo.h - s[0].p.h, kTo.v - s[0].p.v);
        const float made = std::hypot(s[1].p.h - s[0].p.h, s[1].p.v - s[0].p.v);
        EXPECT_LE(made, full + 1e-3f);
        shorter = shorter || made < full - 1e-3f;
    }
    EXPECT_TRUE(shorter);
}

TEST_F(ZoomTest, CurveJittersHandlesWithinItsReach) {
    struct Row {
        float curve;
        const char* why;
    };
    const Row table[] = {{0, "straight"}, {40, "within 40 points"}};
    selectEntry(zoom::mode, 2);
    for (const Row& row : table) {
        SCOPED_TRACE(row.why);
        setFloat(zoom::curve, row.curve);
        ASSERT_EQ(dragOnceHeld(), kNoErr);
        const float offset = largestHandleOffset();
        EXPECT_LE(offset, row.curve);
        if (row.curve > 0) {
            EXPECT_GT(offset, row.curve / 2) << "eighty draws all below one half";
        }
        releaseAndUndo();
    }
}

TEST_F(ZoomTest, ShiftAltRaisesTheCurveAndWrapsToMinusHundred) {
    selectEntry(zoom::mode, 2);
    setFloat(zoom::curve, 95);
    ASSERT_EQ(dragOnceHeld(kTo, kShiftModifier | kOptionModifier), kNoErr);
    EXPECT_EQ(item(zoom::curve)->floatValue(), 100.0f);
    EXPECT_LE(largestHandleOffset(), 100.0f);
    releaseAndUndo();

    // 105 is above 100: the curve becomes -100 and, the sign being random, bends as far.
    ASSERT_EQ(dragOnceHeld(kTo, kShiftModifier | kOptionModifier), kNoErr);
    const float offset = largestHandleOffset();
    EXPECT_LE(offset, 100.0f);
    EXPECT_GT(offset, 50.0f);
    EXPECT_EQ(art().size(), 10u) << "the line count does not change";
    releaseAndUndo();
}

TEST_F(ZoomTest, ShiftAddsALineAndWrapsAfterForty) {
    struct Row {
        ASInt32 copies, next;
        const char* why;
    };
    const Row table[] = {{10, 11, "one more"}, {40, 2, "above 40 back to 2"}};
    for (const Row& row : table) {
        SCOPED_TRACE(row.why);
        setInt(zoom::copies, row.copies);
        ASSERT_EQ(dragOnceHeld(kTo, kShiftModifier), kNoErr);
        EXPECT_EQ(item(zoom::copies)->intValue(), row.next);
        EXPECT_EQ(art().size(), static_cast<size_t>(row.next));
        releaseAndUndo();
    }
}

TEST_F(ZoomTest, DocumentViewIsTheFrame) {
    setBool(zoom::view, true);
    selectEntry(zoom::mode, 5);
    ASSERT_EQ(dragOnceHeld(), kNoErr);
    for (AIArtHandle line : art()) {
        const auto s = segments(line);
        EXPECT_TRUE(onViewEdge(s[0].p) && onViewEdge(s[1].p))
            << "(" << s[0].p.h << ", " << s[0].p.v << ") to (" << s[1].p.h << ", " << s[1].p.v << ")";
    }
}

TEST_F(ZoomTest, ViewCentreIsThePatternCentre) {
    struct Row {
        bool view;
        AIRealPoint origin;
        const char* why;
    };
    const Row table[] = {
        {false, {306, 396}, "the page centre"},
        {true, {300, 450}, "the view centre"},
    };
    setInt(zoom::copies, 3);
    selectEntry(qttest::items::pattern, 1);  // four-fold mirror about c1
    for (const Row& row : table) {
        SCOPED_TRACE(row.why);
        setBool(zoom::view, row.view);
        ASSERT_EQ(dragOnceHeld(), kNoErr);
        const auto all = art();
        ASSERT_EQ(all.size(), 12u) << "each line and its three mirror images";
        for (size_t i = 0; i < all.size(); i += 4) {
            // The diagonal image lies where the line's centre reflects through the origin.
            const AIRealPoint a = centre(all[i]);
            const AIRealPoint b = centre(all[i + 2]);
            EXPECT_TRUE(near({(a.h + b.h) / 2, (a.v + b.v) / 2}, row.origin, 1e-2f));
        }
        releaseAndUndo();
    }
}

TEST_F(ZoomTest, ClosedLinesAndBeneath) {
    setInt(zoom::copies, 3);
    setBool(qttest::items::closed, true);
    selectEntry(qttest::items::beneath, 1);   // every line below all art
    selectEntry(qttest::items::fillMode, 2);  // to black: line i gets gray i / 2
    selectEntry(zoom::mode, 2);
    ASSERT_EQ(dragOnceHeld(), kNoErr);
    const auto lines = art();
    ASSERT_EQ(lines.size(), 3u);
    for (AIArtHandle line : lines) EXPECT_TRUE(document().closed(line));
    // Back to front: each new line went below the earlier ones.
    EXPECT_FLOAT_EQ(document().style(lines[0]).fill.color.c.g.gray, 1.0f);
    EXPECT_FLOAT_EQ(document().style(lines[1]).fill.color.c.g.gray, 0.5f);
    EXPECT_FLOAT_EQ(document().style(lines[2]).fill.color.c.g.gray, 0.0f);
}

TEST_F(ZoomTest, RandomDrawsPerLine) {
    struct Row {
        int mode;
        bool length;
        size_t perLine;
        const char* why;
    };
    const Row table[] = {
        {2, false, 1 + 16, "one for S, eight per anchor for the handles"},
        {3, true, 1 + 16 + 1, "and one for the length"},
        {4, false, 1 + 16, "bottom zoom"},
        {1, false, 2 + 16, "grid: which way, then where"},
    };
    setInt(zoom::copies, 4);
    for (const Row& row : table) {
        SCOPED_TRACE(row.why);
        selectEntry(zoom::mode, row.mode);
        setBool(zoom::length, row.length);
        ASSERT_EQ(down(kFrom), kNoErr);
        host().setTracing(true);
        host().clearTrace();
        ASSERT_EQ(move(kTo), kNoErr);
        host().setTracing(false);
        EXPECT_EQ(draws(), 4 * row.perLine);
        releaseAndUndo();
    }
}

TEST_F(ZoomTest, EdgePointDrawChain) {
    selectEntry(zoom::mode, 0);
    setInt(zoom::copies, 40);
    ASSERT_EQ(down(kFrom), kNoErr);
    host().setTracing(true);
    host().clearTrace();
    ASSERT_EQ(move(kTo), kNoErr);
    // Left edge: the edge draw and the place; right: one more; bottom and top: two more.
    size_t expected = 0;
    std::vector<size_t> perEdge(3, 0);
    for (AIArtHandle line : art()) {
        const AIRealPoint s = segments(line)[0].p;
        const size_t edge = s.h == 0 ? 0 : s.h == 612 ? 1 : 2;
        ++perEdge[edge];
        expected += 16 + 2 + edge;
    }
    EXPECT_EQ(draws(), expected);
    for (size_t edge = 0; edge < perEdge.size(); ++edge) EXPECT_GT(perEdge[edge], 0u) << "edge kind " << edge;
}

TEST_F(ZoomTest, AFailingHostCallEndsTheEvent) {
    struct Row {
        const char* op;
        size_t occurrence;
        bool view;
        size_t lines;  // left in the document
        const char* why;
    };
    const Row table[] = {
        {"AI Document View Suite.GetDocumentViewBounds", 1, true, 0, "no frame: no lines"},
        {"AI Document View Suite.GetDocumentViewCenter", 1, true, 0, "no view centre: no lines"},
        {"AI Art Suite.NewArt", 2, false, 1, "the second line is not made"},
        {"AI Path Suite.SetPathSegments", 1, false, 1, "the first line's start"},
        {"AI Path Suite.SetPathSegments", 4, false, 2, "the second line's end"},
        {"AI Art Suite.GetArtBounds", 1, false, 1, "the first line's centre"},
    };
    setInt(zoom::copies, 3);
    for (const Row& row : table) {
        SCOPED_TRACE(row.why);
        setBool(zoom::view, row.view);
        ASSERT_EQ(failEventAt(row.op, row.occurrence), kInjectedFaultErr);
        EXPECT_EQ(art().size(), row.lines);
        releaseAndUndo();
    }
}

TEST_F(ZoomTest, AnchorsAndHandlesFollowTheDrawsInOrder) {
    setInt(zoom::copies, 2);
    selectEntry(zoom::mode, 2);
    setFloat(zoom::curve, 10);
    setFloat(zoom::interpolate, 50);
    setBool(zoom::length, true);
    ASSERT_EQ(dragOnceHeld(), kNoErr);
    // Per line: S, eight handle draws at S, the length draw, eight handle draws at the end.
    const std::vector<float> d = qttest::hostDraws(2 * 18);
    const auto lines = art();
    ASSERT_EQ(lines.size(), 2u);
    for (size_t line = 0; line < lines.size(); ++line) {
        SCOPED_TRACE(line);
        const float* r = &d[18 * line];
        const auto handle = [](const float* pair, float anchor) {
            const float sign = pair[0] * 10.0f > 5.0f ? -1.0f : 1.0f;
            return pair[1] * 10.0f * sign + anchor;
        };
        const AIRealPoint start{kFrom.h, r[0] * 792.0f};
        const float t = r[9] * 50.0f / 100.0f;
        const AIRealPoint end{start.h + t * (kTo.h - start.h), start.v};
        const auto s = segments(lines[line]);
        ASSERT_EQ(s.size(), 2u);
        EXPECT_TRUE(near(s[0].p, start, 1e-3f));
        EXPECT_TRUE(near(s[0].in, {handle(r + 1, start.h), handle(r + 3, start.v)}, 1e-3f));
        EXPECT_TRUE(near(s[0].out, {handle(r + 5, start.h), handle(r + 7, start.v)}, 1e-3f));
        EXPECT_TRUE(near(s[1].p, end, 1e-3f));
        EXPECT_TRUE(near(s[1].in, {handle(r + 10, end.h), handle(r + 12, end.v)}, 1e-3f));
        EXPECT_TRUE(near(s[1].out, {handle(r + 14, end.h), handle(r + 16, end.v)}, 1e-3f));
    }
}

}  // namespace
