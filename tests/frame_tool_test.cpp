// The tool's events: the palette at selection and double-click, the cursor, the reset at
// mouse-down, the drag engine per drag event and the undo at mouse-up.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "driver_fixture.h"

namespace {

using Strings = std::vector<std::string>;

class FrameToolTest : public qttest::DriverTest {};

TEST_F(FrameToolTest, SelectingTheToolMakesThePaletteOnce) {
    ASSERT_EQ(host().selectTool(), kNoErr);
    ASSERT_EQ(host().deselectTool(), kNoErr);
    ASSERT_EQ(host().selectTool(), kNoErr);
    const auto& dialogs = host().dialogs().dialogs();
    ASSERT_EQ(dialogs.size(), 1u);
    const qthost::Dialog& dialog = *dialogs[0];
    EXPECT_EQ(dialog.name(), "ZUQuenTarb");
    EXPECT_EQ(dialog.resourceID(), 16201);
    EXPECT_EQ(dialog.style(), kADMTabbedFloatingDialogStyle);
    EXPECT_EQ(dialog.title(), "QUENTARB ");
    ASSERT_GE(dialog.icons().size(), 2u);
    EXPECT_NE(dialog.icons()[0], nullptr);
    EXPECT_NE(dialog.icons()[1], nullptr);
}

TEST_F(FrameToolTest, DoubleClickingTheToolShowsThePalette) {
    ASSERT_NE(palette(), nullptr);
    EXPECT_FALSE(palette()->visible()) << "the plug-in shows the palette only when asked";
    ASSERT_EQ(host().editTool(), kNoErr);
    EXPECT_TRUE(palette()->visible());
}

TEST(FrameTool, DoubleClickingBeforeAnySelectionDoesNothing) {
    auto host = qttest::startedHost();
    EXPECT_EQ(host->editTool(), kNoErr);
    EXPECT_TRUE(host->dialogs().dialogs().empty());
}

TEST_F(FrameToolTest, TrackingSetsTheToolCursor) {
    ASSERT_EQ(host().trackCursor(), kNoErr);
    EXPECT_EQ(host().records().cursors, std::vector<int32_t>{16001});
}

TEST_F(FrameToolTest, MouseDownAndUpMakeOnlyTheUndoCall) {
    host().setTracing(true);
    ASSERT_EQ(host().mouseDown({10, 10}), kNoErr);
    EXPECT_TRUE(host().trace().empty()) << "the mouse-down only resets module state";
    ASSERT_EQ(host().mouseUp(), kNoErr);
    EXPECT_EQ(host().trace(), Strings{"AI Undo Suite.UndoChanges"});
}

TEST_F(FrameToolTest, MouseUpHandsBackTheHostsUndoResult) {
    host().failNthCall(1, kBadArtHandleErr);
    EXPECT_EQ(host().mouseUp(), kBadArtHandleErr);
}

// A point-list line type collects drag points into point1; the next mouse-down must start a
// fresh list from its own point, whatever the last drag collected.
TEST_F(FrameToolTest, MouseDownStartsAFreshPointList) {
    constexpr ASInt32 kPointListShape = 6;  // a point every 40 points of travel
    useTool(qttest::kDragTool);
    setInt(qttest::items::copies1, 2);
    selectEntry(qttest::items::lineType, kPointListShape);

    ASSERT_EQ(drag({100, 100}, {500, 100}, 20), kNoErr);
    size_t longest = 0;
    for (AIArtHandle copy : art()) longest = std::max(longest, document().segments(copy).size());
    ASSERT_GT(longest, 4u) << "the first drag collected several points";
    host().undoLastDrag();

    ASSERT_EQ(host().mouseDown({300, 400}), kNoErr);
    ASSERT_EQ(host().mouseDrag({350, 400}), kNoErr);
    ASSERT_FALSE(art().empty());
    for (AIArtHandle copy : art()) {
        const auto segments = document().segments(copy);
        ASSERT_EQ(segments.size(), 2u) << "the new down point and the one point 50 away";
    }
    ASSERT_EQ(host().mouseUp(), kNoErr);
}

}  // namespace
