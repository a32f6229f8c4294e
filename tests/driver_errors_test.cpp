// Error exits of a drag event: a failing host call that the driver tests ends the event with
// the host's code, leaves the art made so far until the next revert, and does not count the
// event for the slowdown.
#include <string>
#include <vector>

#include "driver_fixture.h"

namespace qttest {
namespace {

constexpr ASErr kFault = kInjectedFaultErr;

struct ErrorCase {
    const char* operation;  // the host operation made to fail (its first call in the event)
    bool layer;
    bool warp;
    size_t artLeft;   // top-level art the failed event leaves behind
    bool afterReset;  // failed after the slowdown test had set the count back to 0
    const char* why;
};

class DriverErrorsTest : public DriverTest {
  protected:
    // The last traced call before the frame's error report (its alert text lookups).
    std::string lastDrawingCall() {
        const auto& trace = host().trace();
        for (auto it = trace.rbegin(); it != trace.rend(); ++it)
            if (it->rfind("ADM Basic Suite.", 0) != 0) return *it;
        return {};
    }

    // Starts a drag whose first event is skipped by slowdown 1, then makes the second event
    // fail at the first call of `operation`: each fallible call of that event is made to fail
    // in turn until the one that ends the event is `operation`. Returns false when none does.
    bool failSecondEventAt(const std::string& operation) {
        for (uint64_t n = 1; n <= 300; ++n) {
            down({100, 100});
            move({140, 100});
            host().setTracing(true);
            host().clearTrace();
            host().failNthCall(n, kFault);
            const ASErr result = move({180, 100});
            host().failNthCall(0, kNoErr);
            host().setTracing(false);
            if (result == kFault && lastDrawingCall() == operation) return true;
            host().mouseUp();
            host().undoLastDrag();
        }
        return false;
    }
};

TEST_F(DriverErrorsTest, FailingCallEndsTheEventKeepsItsArtAndDoesNotCount) {
    const std::vector<ErrorCase> rows = {
        {"AI Document Suite.GetDocumentSetup", false, false, 0, false, "page read: nothing made"},
        {"AI Layer Suite.InsertLayer", true, false, 0, false, "new layer: nothing made"},
        {"AI Art Suite.NewArt", false, false, 0, true, "drag path: nothing made"},
        {"AI Path Suite.SetPathSegments", false, false, 1, true, "segment write: D stays, unfinished"},
        {"AI Art Suite.GetArtBounds", false, false, 1, true, "the mode's centre read: bare D"},
        {"AI Transform Art Suite.TransformArt", false, false, 1, true, "transform of copy 0"},
        {"AI Art Suite.DuplicateArt", false, false, 1, true, "duplicate of copy 1: copy 0 stays"},
        {"AI Envelope Suite.MakeEnvelope", false, true, 2, true, "envelope of copy 0: D and its shape stay"},
    };
    plainDragMode(5);
    setInt(items::slowdown, 1);
    for (const ErrorCase& row : rows) {
        SCOPED_TRACE(row.why);
        setBool(items::layer, row.layer);
        setBool(items::warp1, row.warp);
        ASSERT_TRUE(failSecondEventAt(row.operation)) << row.operation << " never ended the event";
        EXPECT_EQ(art().size(), row.artLeft);

        // The failed event was not counted. Failing after the slowdown test, it had set the
        // count back to 0, so the next event is skipped again (reverting the failed event's
        // art) and the one after builds; failing before, the count stays and the next builds.
        move({200, 100});
        EXPECT_EQ(allArt(), row.afterReset ? 0u : 5u);
        move({220, 100});
        EXPECT_EQ(art().size(), 5u);
        host().mouseUp();
        ASSERT_TRUE(host().undoLastDrag());
    }
}

TEST_F(DriverErrorsTest, TheCodeReachesTheHostThroughTheFrame) {
    plainDragMode(5);
    ASSERT_TRUE(failSecondEventAt("AI Art Suite.DuplicateArt"));
    ASSERT_FALSE(host().results().empty());
    EXPECT_EQ(host().results().back(), kFault);
}

}  // namespace
}  // namespace qttest
