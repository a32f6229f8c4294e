// The pattern step: each pattern option picks an origin (c1..c14) and a figure group. The
// origin is read back from where the mirrored duplicates of the drag path land.
#include <cmath>
#include <vector>

#include "driver_fixture.h"

namespace qttest {
namespace {

// The drag: s = (100, 150), e = (300, 250); D's centre (200, 200); page 612 x 792.
constexpr AIRealPoint kStart{100, 150};
constexpr AIRealPoint kEnd{300, 250};
constexpr AIRealPoint kCentre{200, 200};

struct OriginCase {
    ASInt32 option;
    AIRealPoint origin;
    int group;
    const char* why;
};

constexpr AIRealPoint c1{306, 396}, c2{300, 250}, c3{100, 150}, c4{200, 200}, c5{200, 0}, c6{0, 200},
    c7{306, 0}, c8{0, 396}, c9{100, 0}, c10{0, 150}, c11{300, 0}, c12{0, 250}, c13{300, 150}, c14{100, 250};

class PatternOriginTest : public DriverTest {};

TEST_F(PatternOriginTest, OptionPicksOriginAndGroup) {
    const std::vector<OriginCase> rows = {
        {1, c1, 1, "c1: page centre"},
        {2, c2, 1, "c2: endPoint"},
        {3, c3, 1, "c3: startingPoint"},
        {4, c4, 1, "c4: art centre, the figure lies on D"},
        {5, c5, 1, "c5: (cx, 0)"},
        {6, c6, 1, "c6: (0, cy)"},
        {7, c7, 1, "c7: (page width / 2, 0)"},
        {8, c8, 1, "c8: (0, page height / 2)"},
        {9, c9, 1, "c9: (s.h, 0)"},
        {10, c10, 1, "c10: (0, s.v)"},
        {11, c11, 1, "c11: (e.h, 0)"},
        {12, c12, 1, "c12: (0, e.v)"},
        {13, c13, 1, "c13: (e.h, s.v)"},
        {14, c14, 1, "c14: (s.h, e.v)"},
        {15, c1, 2, "15 starts group 2 at c1"},
        {21, c7, 2, "group 2 runs c1.."},
        {27, c13, 2, "..and ends at c13"},
        {28, c14, 3, "28: c14 in group 3"},
        {29, c1, 3, "29 restarts at c1 in group 3"},
        {42, c14, 3, "42: c14 in group 3"},
        {43, c14, 4, "43: c14 in group 4"},
        {44, c1, 4, "44 restarts at c1 in group 4"},
        {57, c14, 4, "57: c14 in group 4"},
    };
    plainDragMode(2);
    for (const OriginCase& row : rows) {
        SCOPED_TRACE(row.why);
        selectEntry(items::pattern, row.option);
        down(kStart);
        move(kEnd);
        // D, its figure, copy 1, copy 1's figure: one duplicate in group 4, three otherwise.
        const auto all = art();
        const size_t figure = row.group == 4 ? 1 : 3;
        ASSERT_EQ(all.size(), 2 * (1 + figure));
        EXPECT_TRUE(near(centre(all[0]), kCentre));
        // D1: D's centre reflected across the vertical line through the origin.
        const AIRealPoint d1 = centre(all[1]);
        EXPECT_NEAR((d1.h + kCentre.h) / 2, row.origin.h, 1e-3);
        EXPECT_NEAR(d1.v, kCentre.v, 1e-3);
        if (figure == 3) {
            // D2 through the origin, D3 across the horizontal line through it.
            EXPECT_TRUE(near(centre(all[2]), {2 * row.origin.h - kCentre.h, 2 * row.origin.v - kCentre.v}));
            EXPECT_TRUE(near(centre(all[3]), {kCentre.h, 2 * row.origin.v - kCentre.v}));
        }
        // Groups tell apart by the side image's size: full in 1 and 4, half in 2, a fifth in 3.
        const float scale = row.group == 2 ? 0.5f : row.group == 3 ? 0.2f : 1.0f;
        const AIRealRect dBox = bounds(all[0]), d1Box = bounds(all[1]);
        EXPECT_NEAR(d1Box.right - d1Box.left, (dBox.right - dBox.left) * scale, 1e-3);
        host().mouseUp();
        ASSERT_TRUE(host().undoLastDrag());
    }
}

TEST_F(PatternOriginTest, IgnoreMakesNoFigure) {
    plainDragMode(2);
    selectEntry(items::pattern, 0);
    down(kStart);
    move(kEnd);
    EXPECT_EQ(art().size(), 2u);
}

}  // namespace
}  // namespace qttest
