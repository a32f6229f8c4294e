// Redo and Escape: the host brings an undone drag back exactly, forgets what was undone at the
// next drag, and a cancelled drag leaves the document as before it; all through the real
// plug-in.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "driver_fixture.h"
#include "host_document_helpers.h"

namespace {

using qttest::describe;
namespace items = qttest::items;

class HostRedoTest : public qttest::DriverTest {
  protected:
    // A drag of the drag mode, each at its own place so that every state differs.
    void dragNumber(int n, bool trail = false) {
        useTool(qttest::kDragTool);
        setInt(items::copies1, 3 + n);
        setBool(items::trail1, trail);
        const AIReal at = 50.0f + 40.0f * static_cast<AIReal>(n);
        ASSERT_EQ(drag({at, at}, {at + 30, at + 10}, 4), kNoErr);
    }
    std::string state() { return describe(document()); }
};

TEST_F(HostRedoTest, RedoBringsBackEachUndoneDragInTurn) {
    std::vector<std::string> states{state()};
    for (int n = 0; n < 3; ++n) {
        dragNumber(n, n == 1);
        states.push_back(state());
    }
    EXPECT_EQ(host().undoableDrags(), 3u);
    EXPECT_FALSE(host().redoLastDrag()) << "nothing undone yet";
    // Undo two, redo one, undo two, redo all: every step lands on the state it names.
    const struct {
        bool undo;
        size_t state;
    } steps[] = {{true, 2}, {true, 1}, {false, 2}, {true, 1}, {true, 0}, {false, 1}, {false, 2}, {false, 3}};
    for (const auto& step : steps) {
        ASSERT_TRUE(step.undo ? host().undoLastDrag() : host().redoLastDrag());
        EXPECT_EQ(state(), states[step.state]) << (step.undo ? "undo" : "redo") << " to state " << step.state;
        EXPECT_EQ(host().undoableDrags(), step.state);
        EXPECT_EQ(host().redoableDrags(), 3 - step.state);
    }
    EXPECT_FALSE(host().redoLastDrag()) << "everything is redone";
    // The redone drags are drags like any other: undone again, and drawn over.
    ASSERT_TRUE(host().undoLastDrag());
    EXPECT_EQ(state(), states[2]);
    dragNumber(5);
    ASSERT_TRUE(host().undoLastDrag());
    EXPECT_EQ(state(), states[2]);
    EXPECT_EQ(document().staleHandleUses(), 0u);
}

TEST_F(HostRedoTest, ANewDragForgetsWhatWasUndone) {
    dragNumber(0);
    dragNumber(1);
    ASSERT_TRUE(host().undoLastDrag());
    ASSERT_EQ(host().redoableDrags(), 1u);
    dragNumber(2);
    EXPECT_EQ(host().redoableDrags(), 0u);
    EXPECT_FALSE(host().redoLastDrag());
    EXPECT_EQ(host().undoableDrags(), 2u);
}

TEST_F(HostRedoTest, NeitherUndoNorRedoDuringADrag) {
    dragNumber(0);
    dragNumber(1);
    ASSERT_TRUE(host().undoLastDrag());
    ASSERT_EQ(dragOnceHeld({300, 300}), kNoErr);
    const std::string held = state();
    EXPECT_FALSE(host().undoLastDrag());
    EXPECT_FALSE(host().redoLastDrag());
    EXPECT_EQ(host().undoableDrags(), 0u);
    EXPECT_EQ(state(), held);
    ASSERT_EQ(host().mouseUp(), kNoErr);
    EXPECT_EQ(host().undoableDrags(), 2u);
}

TEST_F(HostRedoTest, ADocumentChangedAfterTheUndoHasNothingToRedo) {
    dragNumber(0);
    ASSERT_TRUE(host().undoLastDrag());
    AIArtHandle other = qttest::makePath(document(), {{1, 1}, {2, 2}});
    EXPECT_EQ(host().redoableDrags(), 0u);
    EXPECT_FALSE(host().redoLastDrag());
    EXPECT_TRUE(document().isLive(other)) << "the change stays";
}

TEST_F(HostRedoTest, EscapeLeavesTheDocumentAsBeforeTheDrag) {
    for (bool trail : {false, true}) {
        SCOPED_TRACE(trail ? "Trail on" : "Trail off");
        dragNumber(0, trail);
        const std::string before = state();
        const size_t changes = document().changeLogSize();
        const size_t depth = document().recordingDepth();
        useTool(qttest::kDragTool);
        ASSERT_EQ(host().mouseDown({200, 200}), kNoErr);
        for (int i = 1; i <= 3; ++i) ASSERT_EQ(host().mouseDrag({200.0f + 20 * i, 210}), kNoErr);
        ASSERT_NE(state(), before) << "the drag drew";
        EXPECT_EQ(host().cancelDrag(), kNoErr);
        EXPECT_EQ(state(), before);
        EXPECT_EQ(document().changeLogSize(), changes);
        EXPECT_EQ(document().recordingDepth(), depth);
        EXPECT_EQ(host().undoableDrags(), 1u) << "the cancelled drag is not undoable";
        EXPECT_EQ(host().redoableDrags(), 0u);
        EXPECT_EQ(host().cancelDrag(), kInvalidStateErr) << "no drag in progress";
        // The plug-in goes on as after any drag: the next one draws, the undo takes the first.
        dragNumber(1, trail);
        ASSERT_TRUE(host().undoLastDrag());
        EXPECT_EQ(state(), before);
        ASSERT_TRUE(host().undoLastDrag());
        EXPECT_EQ(document().liveArtCount(), 0u);
    }
    EXPECT_EQ(document().staleHandleUses(), 0u);
}

TEST(HostDocumentSnapshot, RestoreBringsBackStateAndHandles) {
    qthost::Document doc;
    AIArtHandle kept = qttest::makePath(doc, {{0, 0}, {10, 10}});
    doc.placeRecordingPoint();
    AIArtHandle made = qttest::makePath(doc, {{5, 5}});
    doc.setOpacity(kept, 0.5f);
    const std::string taken = describe(doc);
    const auto snapshot = doc.snapshot();
    doc.revertTo(1);
    EXPECT_FALSE(doc.isLive(made));
    AIArtHandle later = qttest::makePath(doc, {{7, 7}});
    doc.restore(*snapshot);
    EXPECT_EQ(describe(doc), taken);
    EXPECT_TRUE(doc.isLive(made)) << "handles of the restored art answer again";
    EXPECT_FALSE(doc.isLive(later)) << "art made after the snapshot is gone";
    doc.revertToLastRecordingPoint();
    EXPECT_EQ(doc.liveArtCount(), 1u) << "the restored recording point reverts as before";
}

}  // namespace
