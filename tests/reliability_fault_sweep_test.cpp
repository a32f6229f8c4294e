// The fault sweep: in every mode, with every shared styling switch on, the Nth host call of
// one processed drag event fails, for every N up to the event's call count. Each run checks
// the event's result, that the event stops at a tested failure, the alert, and that the
// next event's revert and the host's undo give back the mouse-down document exactly.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <tuple>

#include "reliability_support.h"

namespace {

using qtrel::ModeSetup;

constexpr AIRealPoint kPriorFrom{420.0f, 520.0f};
constexpr AIRealPoint kPriorTo{470.0f, 600.0f};
constexpr AIRealPoint kDown{150.0f, 200.0f};
constexpr AIRealPoint kFirst{200.0f, 260.0f};
constexpr AIRealPoint kSwept{265.0f, 335.0f};
constexpr AIRealPoint kNext{300.0f, 380.0f};
constexpr int16_t kPressure = 200;

// Host calls whose failure ends the event with the host's code. The duplicate counts in every
// mode (each later step works on the copy); the drag path's disposal everywhere but paint,
// which disposes of it without looking.
bool endsTheEvent(std::string_view call, int tool) {
    static const std::set<std::string_view> kTested = {
        "GetDocumentSetup",      "InsertLayer",           "NewArt",
        "SetPathSegments",       "DuplicateArt",          "TransformArt",
        "GetArtBounds",          "MakeEnvelope",          "ReshapeEnvelopeWithWarp",
        "GetDocumentViewBounds", "GetDocumentViewCenter",
    };
    const std::string_view op = qtrel::operation(call);
    if (op == "DisposeArt") return tool != 10;
    return kTested.count(op) != 0;
}

class FaultSweep : public ::testing::TestWithParam<std::tuple<ModeSetup, qtrel::StylingVariant>> {
  protected:
    // One whole run: a finished drag first (so the document is not empty), then a drag whose
    // second event is processed with call `failAt` failing (0: none). Returns the swept
    // event's count of fallible calls.
    uint64_t run(uint64_t failAt) {
        const auto& [setup, variant] = GetParam();
        auto session = qtrel::styledSession(setup, variant);
        qthost::Host& host = session->host();
        const std::string where =
            std::string(setup.name) + " (" + variant.name + "), fault at call " + std::to_string(failAt);

        host.mouseDown(kPriorFrom);
        host.mouseDrag(kFirst, kPressure);
        EXPECT_EQ(host.mouseDrag(kPriorTo, kPressure), kNoErr) << where << ": the drag before";
        host.mouseUp();

        const std::string downState = qtrel::snapshot(host.document());
        const size_t downArt = host.document().liveArtCount();
        EXPECT_EQ(host.mouseDown(kDown), kNoErr) << where;
        EXPECT_EQ(host.mouseDrag(kFirst, kPressure), kNoErr) << where << ": the skipped event";
        const std::string skippedState = qtrel::snapshot(host.document());
        const size_t skippedArt = host.document().liveArtCount();

        // The swept event, traced.
        const size_t alertsBefore = host.records().alerts.size();
        const uint64_t callsBefore = host.fallibleCallCount();
        host.clearTrace();
        host.setTracing(true);
        if (failAt != 0) host.failNthCall(failAt, qtrel::kInjected);
        const ASErr result = host.mouseDrag(kSwept, kPressure);
        host.failNthCall(0, kNoErr);
        host.setTracing(false);
        const uint64_t calls = host.fallibleCallCount() - callsBefore;
        const std::vector<std::string> fallible = qtrel::fallibleCalls(host.trace());
        EXPECT_EQ(fallible.size(), calls) << where << ": the trace and the host's call count disagree";
        const size_t alerts = host.records().alerts.size() - alertsBefore;

        if (failAt == 0) {
            EXPECT_EQ(result, kNoErr) << where;
            EXPECT_EQ(alerts, 0u) << where;
        } else if (failAt <= fallible.size()) {
            const std::string& failed = fallible[failAt - 1];
            const std::string what = where + " (" + failed + ")";
            if (endsTheEvent(failed, setup.tool)) {
                EXPECT_EQ(result, qtrel::kInjected)
                    << what << ": a tested failure must end the event with its code";
                for (size_t i = failAt; i < fallible.size(); ++i) {
                    EXPECT_TRUE(qtrel::isErrorReport(fallible[i]))
                        << what << ": the event went on after the failure with " << fallible[i];
                }
                EXPECT_EQ(alerts, 1u) << what << ": one alert for the failed event";
            } else {
                EXPECT_EQ(result, kNoErr) << what << ": an untested failure must not end the event";
                EXPECT_EQ(alerts, 0u) << what;
            }
        } else {
            ADD_FAILURE() << where << ": the fault did not fire within the event (" << fallible.size()
                          << " calls)";
        }

        // Paint always trails, so only the host's undo takes its art away.
        if (setup.tool != 10) {
            // Nothing is built on the next event: it only reverts (and opens its layer).
            session->setOption("countvalue", "300");
            EXPECT_EQ(host.mouseDrag(kNext, kPressure), kNoErr) << where << ": the next event";
            EXPECT_EQ(qtrel::snapshot(host.document()), skippedState)
                << where << ": the next event's revert must give back the mouse-down document";
            EXPECT_EQ(host.document().liveArtCount(), skippedArt) << where;
        }
        EXPECT_EQ(host.mouseUp(), kNoErr) << where;
        EXPECT_TRUE(host.undoLastDrag());
        EXPECT_EQ(qtrel::snapshot(host.document()), downState)
            << where << ": undo must give back the mouse-down document";
        EXPECT_EQ(host.document().liveArtCount(), downArt) << where;
        EXPECT_EQ(host.records().alerts.size() - alertsBefore, alerts) << where << ": alerts after the event";
        EXPECT_EQ(host.document().staleHandleUses(), 0u)
            << where << ": the plug-in used a handle of art that no longer exists";
        return calls;
    }
};

TEST_P(FaultSweep, EveryCallOfAProcessedEventFails) {
    const uint64_t calls = run(0);
    ASSERT_GT(calls, 10u) << "the swept event should do real work";
    for (uint64_t n = 1; n <= calls && !HasFailure(); ++n) run(n);
    RecordProperty("faults", static_cast<int>(calls));
}

INSTANTIATE_TEST_SUITE_P(Modes, FaultSweep,
                         ::testing::Combine(::testing::ValuesIn(qtrel::modeSetups()),
                                            ::testing::ValuesIn(qtrel::stylingVariants())),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).name) + "_" +
                                    std::get<1>(info.param).name;
                         });

}  // namespace
