// The drag mode's keys: Shift cycles the copy count (and the palette follows), Shift with Alt
// moves the drag path and restarts the drag from the mouse.
#include <vector>

#include "driver_fixture.h"

namespace qttest {
namespace {

class DragToolKeysTest : public DriverTest {};

TEST_F(DragToolKeysTest, ShiftRaisesTheCopyCountAndWrapsFromFortyToTwo) {
    struct Step {
        size_t copies;
        const char* why;
    };
    plainDragMode(38);
    down({100, 100});
    int event = 0;
    for (const Step step : {Step{39, "one more per event"}, Step{40, "up to forty"},
                            Step{2, "then back to two"}, Step{3, "and up again"}}) {
        SCOPED_TRACE(step.why);
        move({150.0f + 10 * ++event, 100}, kShiftModifier);
        EXPECT_EQ(art().size(), step.copies);
        EXPECT_EQ(item(items::copies1)->intValue(), static_cast<ASInt32>(step.copies))
            << "the palette follows";
    }
    // Without the key the count stays where the key left it.
    move({250, 100});
    EXPECT_EQ(art().size(), 3u);
}

TEST_F(DragToolKeysTest, ShiftAboveFortyFallsBackToTwo) {
    plainDragMode(100);
    down({100, 100});
    move({150, 100}, kShiftModifier);
    EXPECT_EQ(art().size(), 2u);
    EXPECT_EQ(item(items::copies1)->intValue(), 2);
}

TEST_F(DragToolKeysTest, ShiftAndAltMoveTheDragPathAndRestartTheDrag) {
    plainDragMode(5);
    down({100, 100});
    move({150, 120}, kShiftModifier | kOptionModifier);
    // D moved by the whole drag vector (50, 20); no copies.
    auto all = art();
    ASSERT_EQ(all.size(), 1u);
    auto segments = document().segments(all[0]);
    ASSERT_EQ(segments.size(), 2u);
    EXPECT_TRUE(near(segments[0].p, {150, 120}));
    EXPECT_TRUE(near(segments[1].p, {200, 140}));
    EXPECT_TRUE(tagged(all[0]));

    // The drag now starts where the mouse was.
    move({230, 120});
    all = art();
    ASSERT_EQ(all.size(), 5u);
    segments = document().segments(all[0]);
    ASSERT_EQ(segments.size(), 2u);
    EXPECT_TRUE(near(segments[0].p, {150, 120}));
    EXPECT_TRUE(near(segments[1].p, {230, 120}));
    EXPECT_TRUE(near(centre(all[4]), {centre(all[0]).h + 80, 120}));
}

TEST_F(DragToolKeysTest, AltAloneChangesNothing) {
    plainDragMode(5);
    down({100, 100});
    move({180, 100}, kOptionModifier);
    EXPECT_EQ(art().size(), 5u);
    EXPECT_EQ(item(items::copies1)->intValue(), 5);
}

}  // namespace
}  // namespace qttest
