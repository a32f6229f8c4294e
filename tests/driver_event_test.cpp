// The drag driver's event frame: revert, Trail, pause, slowdown, layer, drag path, pressure.
#include <algorithm>
#include <string>
#include <vector>

#include "driver_fixture.h"

namespace qttest {
namespace {

class DriverEventTest : public DriverTest {};

TEST_F(DriverEventTest, WithoutTrailOnlyTheLatestEventsArtStays) {
    plainDragMode(5);
    down({100, 100});
    move({140, 100});
    ASSERT_EQ(art().size(), 5u);
    move({180, 140});
    const auto copies = art();
    ASSERT_EQ(copies.size(), 5u) << "the first event's art was not reverted";
    // The last copy lies the whole drag vector (80, 40) from the drag path.
    EXPECT_TRUE(near(centre(copies.back()), {centre(copies.front()).h + 80, centre(copies.front()).v + 40}));
    ASSERT_EQ(host().mouseUp(), kNoErr);
    EXPECT_EQ(art().size(), 5u) << "mouse-up keeps the finished drag";
}

TEST_F(DriverEventTest, TrailKeepsEveryProcessedEvent) {
    plainDragMode(5);
    setBool(items::trail1, true);
    down({100, 100});
    move({140, 100});
    move({180, 100});
    move({220, 100});
    EXPECT_EQ(art().size(), 15u);
}

TEST_F(DriverEventTest, PauseKeyWithTrailAddsNothingButStillCounts) {
    plainDragMode(5);
    setBool(items::trail1, true);
    setInt(items::slowdown, 1);
    down({100, 100});
    move({140, 100}, kOptionModifier);
    EXPECT_EQ(art().size(), 0u) << "the paused event adds nothing";
    // Slowdown 1 skips the first counted event; the pause was that event, so this one builds.
    move({180, 100});
    EXPECT_EQ(art().size(), 5u);
    move({220, 100}, kOptionModifier);
    EXPECT_EQ(art().size(), 5u);
}

TEST_F(DriverEventTest, PauseKeyWithoutTrailIsNoPause) {
    plainDragMode(5);
    down({100, 100});
    move({140, 100}, kOptionModifier);
    EXPECT_EQ(art().size(), 5u);
}

TEST_F(DriverEventTest, SlowdownThreeBuildsOnEventsFourSevenAndTen) {
    plainDragMode(5);
    setInt(items::slowdown, 3);
    down({100, 100});
    for (int event = 1; event <= 10; ++event) {
        move({100.0f + 10.0f * event, 100});
        const bool builds = event == 4 || event == 7 || event == 10;
        // Skipped events still revert, so the document shows nothing between builds.
        EXPECT_EQ(art().size(), builds ? 5u : 0u) << "event " << event;
    }
}

TEST_F(DriverEventTest, LayerSwitchInsertsALayerEvenOnSkippedEvents) {
    plainDragMode(5);
    setBool(items::trail1, true);
    setBool(items::layer, true);
    setInt(items::slowdown, 2);
    down({100, 100});
    const size_t layersBefore = document().layerCount();
    for (int event = 1; event <= 3; ++event) {
        move({100.0f + 20.0f * event, 100});
        EXPECT_EQ(document().layerCount(), layersBefore + event) << "event " << event;
        EXPECT_EQ(document().currentLayerIndex(), document().layerCount() - 1) << "the new layer is current";
    }
    EXPECT_EQ(art().size(), 5u) << "the third event builds on its own new layer";
    EXPECT_EQ(allArt(), 5u) << "the skipped events' layers stay empty";
}

TEST_F(DriverEventTest, WithoutTrailTheEventsLayerIsRevertedToo) {
    plainDragMode(5);
    setBool(items::layer, true);
    down({100, 100});
    const size_t layersBefore = document().layerCount();
    move({140, 100});
    move({180, 100});
    EXPECT_EQ(document().layerCount(), layersBefore + 1);
    EXPECT_EQ(art().size(), 5u);
}

// Place beneath puts copies 1.. below all art, so the drag path ends on top; the layer
// switch sets the placement back to " Place above", so it ends at the bottom.
TEST_F(DriverEventTest, LayerSwitchSetsPlacementToAbove) {
    struct Row {
        bool layer;
        bool pathOnTop;
        const char* why;
    };
    for (const Row row : {Row{false, true, "beneath: copies go under the drag path"},
                          Row{true, false, "layer switch: placement back to above"}}) {
        SCOPED_TRACE(row.why);
        plainDragMode(4);
        selectEntry(items::beneath, 1);
        setBool(items::layer, row.layer);
        down({100, 100});
        move({160, 100});
        const auto copies = art();
        ASSERT_EQ(copies.size(), 4u);
        // The drag path is the copy with the smallest left edge.
        const auto leftmost =
            std::min_element(copies.begin(), copies.end(),
                             [&](AIArtHandle a, AIArtHandle b) { return bounds(a).left < bounds(b).left; });
        EXPECT_EQ(*leftmost == copies.back(), row.pathOnTop);
        EXPECT_EQ(*leftmost == copies.front(), !row.pathOnTop);
        host().mouseUp();
    }
}

// Host calls that the driver makes between the pause test and the branch.
std::vector<std::string> callsBetweenSwatchCountAndBranch(const std::vector<std::string>& trace) {
    std::vector<std::string> calls;
    auto it = std::find(trace.begin(), trace.end(), "AI Swatch List Suite.CountSwatches");
    if (it == trace.end()) return {"no swatch count"};
    for (++it; it != trace.end() && *it != "ADM Tracker Suite.GetModifiers"; ++it) calls.push_back(*it);
    return calls;
}

TEST_F(DriverEventTest, ZoomGetsNoDragPath) {
    struct Row {
        int tool;
        bool makesPath;
        const char* why;
    };
    for (const Row row :
         {Row{kDragTool, true, "every copying mode gets D"}, Row{kZoomTool, false, "zoom: no D"}}) {
        SCOPED_TRACE(row.why);
        useTool(row.tool);
        down({100, 100});
        host().setTracing(true);
        host().clearTrace();
        move({160, 130});
        host().setTracing(false);
        const auto calls = callsBetweenSwatchCountAndBranch(host().trace());
        const bool madePath = std::find(calls.begin(), calls.end(), "AI Art Suite.NewArt") != calls.end();
        EXPECT_EQ(madePath, row.makesPath);
        host().mouseUp();
    }
}

TEST_F(DriverEventTest, EventCallsComeInTheDriversOrder) {
    plainDragMode(2);
    setBool(items::layer, true);
    setBool(items::closed, true);
    down({100, 100});
    host().setTracing(true);
    host().clearTrace();
    move({160, 130});
    const std::vector<std::string> frame = {
        "AI Undo Suite.UndoChanges",
        "ADM Tracker Suite.GetModifiers",
        "AI Tool Suite.SystemHasPressure",
        "AI Document Suite.GetDocumentSetup",
        "AI Swatch List Suite.CountSwatches",
        "AI Layer Suite.InsertLayer",
        "AI Art Suite.NewArt",
        "AI Path Suite.SetPathSegmentCount",
        "AI Path Suite.SetPathSegments",
        "AI Path Suite.SetPathSegments",
        "AI Path Suite.SetPathClosed",
        "ADM Tracker Suite.GetModifiers",
    };
    std::vector<std::string> seen;
    for (const auto& call : host().trace()) {
        if (std::find(frame.begin(), frame.end(), call) != frame.end()) seen.push_back(call);
        if (seen.size() == frame.size()) break;
    }
    EXPECT_EQ(seen, frame);
}

TEST_F(DriverEventTest, ClosedSwitchClosesTheDragPathAndItsCopies) {
    plainDragMode(3);
    setBool(items::closed, true);
    down({100, 100});
    move({160, 130});
    const auto copies = art();
    ASSERT_EQ(copies.size(), 3u);
    for (AIArtHandle copy : copies) EXPECT_TRUE(document().closed(copy));
}

struct PressureRow {
    bool device;
    int16_t pressure;
    float factor;
    const char* why;
};

class DriverPressureTest : public DriverTest, public ::testing::WithParamInterface<PressureRow> {
  protected:
    qthost::HostConfig config() const override {
        qthost::HostConfig config = qttest::grayArtConfig();
        config.pressureDevice = GetParam().device;
        return config;
    }
};

// Pressure opacity gives every copy V; the width step multiplies the width by V on D and
// again on each duplicate, which is taken of D after D's own steps.
TEST_P(DriverPressureTest, PressureFactorReachesOpacityAndWidth) {
    const PressureRow row = GetParam();
    SCOPED_TRACE(row.why);
    plainDragMode(3);
    setBool(items::prOpacity, true);
    setBool(items::prWidth, true);
    down({100, 100});
    move({160, 130}, 0, row.pressure);
    const auto copies = art();
    ASSERT_EQ(copies.size(), 3u);
    const float V = row.factor;
    EXPECT_FLOAT_EQ(document().opacity(copies[0]), V);
    EXPECT_FLOAT_EQ(document().style(copies[0]).stroke.width, V);
    for (size_t i = 1; i < copies.size(); ++i) {
        EXPECT_FLOAT_EQ(document().opacity(copies[i]), V);
        EXPECT_FLOAT_EQ(document().style(copies[i]).stroke.width, V * V);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, DriverPressureTest,
    ::testing::Values(PressureRow{false, 51, 1.0f, "no device: V = 1 whatever the pressure"},
                      PressureRow{true, 51, static_cast<float>(51 / 255.0), "device: V = pressure / 255"},
                      PressureRow{true, 255, 1.0f, "full pressure"},
                      PressureRow{true, 0, 0.0f, "no pressure: opacity and width 0"}));

}  // namespace
}  // namespace qttest
