// Envelope warps: every style deforms, none at zero bend, curves subdivided smoothly.
#include <gtest/gtest.h>

#include <cmath>

#include "export/warp_geometry.h"

namespace {

using qthost::Warp;

const AIRealRect kBox{0.0f, 100.0f, 200.0f, 0.0f};

bool near(AIRealPoint a, AIRealPoint b, float tol = 1e-3f) {
    return std::fabs(a.h - b.h) <= tol && std::fabs(a.v - b.v) <= tol;
}

std::vector<AIRealPoint> probes() {
    std::vector<AIRealPoint> points;
    // Uneven steps, so that no probe sits only on the zeros of a wave.
    for (float h : {0.0f, 37.0f, 81.0f, 100.0f, 143.0f, 200.0f}) {
        for (float v : {0.0f, 21.0f, 50.0f, 79.0f, 100.0f}) points.push_back({h, v});
    }
    return points;
}

TEST(Warp, EveryStyleMovesSomePointAndStaysFinite) {
    for (int style = 1; style <= 15; ++style) {
        Warp warp{style, 0.6f, 0.0f, 0.0f, false};
        bool moved = false;
        for (AIRealPoint p : probes()) {
            AIRealPoint q = qtexport::warpPoint(warp, kBox, p);
            ASSERT_TRUE(std::isfinite(q.h) && std::isfinite(q.v)) << "style " << style;
            moved = moved || !near(p, q);
        }
        EXPECT_TRUE(moved) << "style " << style << " left every point in place";
    }
}

TEST(Warp, ZeroBendAndNoDistortionIsTheIdentity) {
    for (int style = 1; style <= 15; ++style) {
        Warp warp{style, 0.0f, 0.0f, 0.0f, false};
        for (AIRealPoint p : probes()) {
            EXPECT_TRUE(near(qtexport::warpPoint(warp, kBox, p), p)) << "style " << style;
        }
    }
}

TEST(Warp, StylesDifferFromOneAnother) {
    // Two styles that drew the same picture would be one style under two names.
    for (int a = 1; a <= 15; ++a) {
        for (int b = a + 1; b <= 15; ++b) {
            bool differ = false;
            for (AIRealPoint p : probes()) {
                differ = differ || !near(qtexport::warpPoint({a, 0.5, 0, 0, false}, kBox, p),
                                         qtexport::warpPoint({b, 0.5, 0, 0, false}, kBox, p));
            }
            EXPECT_TRUE(differ) << "styles " << a << " and " << b;
        }
    }
}

TEST(Warp, RotateActsAcrossTheOtherAxis) {
    // Rise lifts the right side; turned, it shifts the top sideways instead.
    AIRealPoint corner{200.0f, 100.0f};
    AIRealPoint plain = qtexport::warpPoint({11, 0.5, 0, 0, false}, kBox, corner);
    AIRealPoint turned = qtexport::warpPoint({11, 0.5, 0, 0, true}, kBox, corner);
    EXPECT_FLOAT_EQ(plain.h, 200.0f);
    EXPECT_GT(plain.v, 100.0f);
    EXPECT_GT(turned.h, 200.0f);
    EXPECT_FLOAT_EQ(turned.v, 100.0f);
}

TEST(Warp, DistortionTapersTheHeight) {
    Warp warp{1, 0.0f, 0.5f, 0.0f, false};
    AIRealPoint left = qtexport::warpPoint(warp, kBox, {0.0f, 100.0f});
    AIRealPoint right = qtexport::warpPoint(warp, kBox, {200.0f, 100.0f});
    EXPECT_LT(left.v, right.v);
}

TEST(Warp, PathIsSubdividedAndKeepsItsEnds) {
    std::vector<AIPathSegment> line = {{{0, 50}, {0, 50}, {0, 50}, false},
                                       {{200, 50}, {200, 50}, {200, 50}, false}};
    Warp warp{4, 0.5f, 0, 0, false};  // arch
    std::vector<AIPathSegment> out = qtexport::warpPath(warp, kBox, line, false, 8);
    ASSERT_EQ(out.size(), 9u);
    EXPECT_TRUE(near(out.front().p, qtexport::warpPoint(warp, kBox, line.front().p)));
    EXPECT_TRUE(near(out.back().p, qtexport::warpPoint(warp, kBox, line.back().p)));
    // The middle anchor is the top of the arch.
    EXPECT_GT(out[4].p.v, out.front().p.v + 10.0f);

    std::vector<AIPathSegment> closed = qtexport::warpPath(warp, kBox, line, true, 4);
    EXPECT_EQ(closed.size(), 8u) << "a closed path's last curve ends on its first anchor";
    EXPECT_EQ(qtexport::warpPath({0, 0.5, 0, 0, false}, kBox, line, false).size(), 2u)
        << "no warp, no change";
}

}  // namespace
