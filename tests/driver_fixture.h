// Helpers for the drag driver and drag mode tests: palette items by name, single drag events,
// and reading the art one event left in the document.
#ifndef QT_TESTS_DRIVER_FIXTURE_H
#define QT_TESTS_DRIVER_FIXTURE_H

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "fixture.h"
#include "resources/tool_table.h"
#include "sdk/messages.h"
#include "session/option_catalog.h"

namespace qttest {

// Palette items and tools by their names in the tables; a name they do not have does not compile.
using qtsession::optionItem;
using qttable::toolNamed;

// Palette items the driver and drag mode tests change, as a user would.
namespace items {
inline constexpr ASInt32 layer = optionItem("layer");
inline constexpr ASInt32 prOpacity = optionItem("pr_opacityvalue");
inline constexpr ASInt32 prLength = optionItem("pr_lengthvalue");
inline constexpr ASInt32 prWidth = optionItem("pr_widthvalue");
inline constexpr ASInt32 beneath = optionItem("beneathoptions");
inline constexpr ASInt32 opacity = optionItem("opacity");
inline constexpr ASInt32 blend = optionItem("blend");
inline constexpr ASInt32 slowdown = optionItem("countvalue");
inline constexpr ASInt32 fillMode = optionItem("filloptions");
inline constexpr ASInt32 strokeMode = optionItem("strokeoptions");
inline constexpr ASInt32 fillSwatch = optionItem("fillswatchvalue");
inline constexpr ASInt32 strokeSwatch = optionItem("strokeswatchvalue");
inline constexpr ASInt32 width = optionItem("width");
inline constexpr ASInt32 pattern = optionItem("patternoptions");
inline constexpr ASInt32 fillProcess = optionItem("fillprocessvalue");
inline constexpr ASInt32 strokeProcess = optionItem("strokeprocessvalue");
inline constexpr ASInt32 tool = optionItem("currenttool");
inline constexpr ASInt32 lineType = optionItem("currentpath");
inline constexpr ASInt32 closed = optionItem("closedpath");
inline constexpr ASInt32 copies1 = optionItem("copiesvalue_1");
inline constexpr ASInt32 rotate1 = optionItem("rotatevalue_1");
inline constexpr ASInt32 jitterX1 = optionItem("jitterxvalue_1");
inline constexpr ASInt32 jitterY1 = optionItem("jitteryvalue_1");
inline constexpr ASInt32 trail1 = optionItem("trailvalue_1");
inline constexpr ASInt32 warp1 = optionItem("envelopevalue_1");
inline constexpr ASInt32 create1 = optionItem("placementvalue_1");
}  // namespace items

inline constexpr int kDragTool = toolNamed("drag");
inline constexpr int kZoomTool = toolNamed("zoom");

class DriverTest : public PluginTest {
  protected:
    void useTool(int tool) { selectEntry(items::tool, tool); }

    // Palette changes as a user makes them: the item must take the change (it exists and is of
    // the right kind) and keep the value.
    void setInt(ASInt32 id, ASInt32 value) {
        ASSERT_TRUE(qthost::DialogModel::userSetInt(item(id), value)) << "item " << id;
        ASSERT_EQ(item(id)->intValue(), value) << "item " << id;
    }
    void setFloat(ASInt32 id, AIReal value) {
        ASSERT_TRUE(qthost::DialogModel::userSetFloat(item(id), value)) << "item " << id;
        ASSERT_EQ(item(id)->floatValue(), value) << "item " << id;
    }
    void setBool(ASInt32 id, bool value) {
        ASSERT_TRUE(qthost::DialogModel::userSetBool(item(id), value)) << "item " << id;
        ASSERT_EQ(item(id)->boolValue(), value) << "item " << id;
    }
    void selectEntry(ASInt32 id, int index) {
        ASSERT_TRUE(qthost::DialogModel::userSelectEntry(item(id), index)) << "item " << id;
        ASSERT_EQ(item(id)->activeIndex(), index) << "item " << id;
    }

    // The drag mode with a plain row: no rotation, so copies are D shifted along the drag.
    void plainDragMode(ASInt32 copies) {
        useTool(kDragTool);
        setInt(items::copies1, copies);
        setFloat(items::rotate1, 0.0f);
    }

    // Calls of `op` in the host's trace, and the random draws among them.
    size_t count(const std::string& op) {
        size_t n = 0;
        for (const std::string& call : host().trace())
            if (call == op) ++n;
        return n;
    }
    size_t draws() { return count("AI Random Suite.FloatRnd"); }
    ASErr down(AIRealPoint at) { return host().mouseDown(at); }
    ASErr move(AIRealPoint at, uint32_t modifiers = 0, int16_t pressure = 255) {
        return host().mouseDrag(at, pressure, modifiers);
    }

    // Top-level art of one layer, back to front; of the current layer by default.
    std::vector<AIArtHandle> art() { return document().layerArt(document().currentLayerIndex()); }
    std::vector<AIArtHandle> art(size_t layer) { return document().layerArt(layer); }
    size_t allArt() {
        size_t total = 0;
        for (size_t i = 0; i < document().layerCount(); ++i) total += document().layerArt(i).size();
        return total;
    }

    AIRealRect bounds(AIArtHandle handle) {
        AIRealRect box{};
        EXPECT_EQ(document().getArtBounds(handle, &box), kNoErr);
        return box;
    }
    AIRealPoint centre(AIArtHandle handle) {
        const AIRealRect box = bounds(handle);
        return {box.left + (box.right - box.left) / 2, box.bottom + (box.top - box.bottom) / 2};
    }
    bool tagged(AIArtHandle handle) {
        for (const auto& tag : document().tags(handle))
            if (tag.name == "quen-tarb" && tag.type == "string" && tag.value == "quen-tarb") return true;
        return false;
    }
    // The vector from a path's first anchor to its last.
    AIRealPoint direction(AIArtHandle path) {
        const auto s = document().segments(path);
        return {s.back().p.h - s.front().p.h, s.back().p.v - s.front().p.v};
    }
    // The same for a line of two anchors, which copies of a two-point drag path are.
    AIRealPoint lineVector(AIArtHandle line) {
        const auto s = document().segments(line);
        EXPECT_EQ(s.size(), 2u);
        if (s.size() != 2) return {0, 0};
        return direction(line);
    }

    // The drag a mode test makes over and over; its SetUp names it.
    void dragBetween(AIRealPoint from, AIRealPoint to) {
        dragFrom_ = from;
        dragTo_ = to;
    }
    // A drag of one event, from the start to `to`, the mouse let up. Returns the event's result.
    ASErr dragOnce(AIRealPoint to, uint32_t modifiers = 0) {
        const ASErr result = dragOnceHeld(to, modifiers);
        host().mouseUp();
        return result;
    }
    ASErr dragOnce() { return dragOnce(dragTo_); }
    // The same with the mouse still down, to read the document as the event left it.
    ASErr dragOnceHeld(AIRealPoint to, uint32_t modifiers = 0) {
        EXPECT_EQ(down(dragFrom_), kNoErr);
        return move(to, modifiers);
    }
    ASErr dragOnceHeld() { return dragOnceHeld(dragTo_); }
    // Ends a held drag and takes it back, so the next one starts on the same document.
    void releaseAndUndo() {
        ASSERT_EQ(host().mouseUp(), kNoErr);
        host().undoLastDrag();
    }
    void undoAllDrags() {
        while (host().undoLastDrag()) {
        }
    }

    // Fault injection into one drag event: its fallible calls fail one at a time, a fresh drag
    // per try, until the `occurrence`-th call of `op` is the one that fails. Returns the event's
    // result, or kNoErr when no try failed there. The event's own calls stay in the trace.
    // failEventAt leaves that drag held (read the document, then releaseAndUndo()).
    ASErr failEventAt(const std::string& op, size_t occurrence = 1) {
        for (uint64_t n = 1;; ++n) {
            const FailedTry attempt = heldEventFailingCall(n);
            host().setTracing(false);
            if (failedAt(attempt.result, op, occurrence)) return attempt.result;
            releaseAndUndo();
            if (!attempt.reached) return kNoErr;
        }
    }
    // dragFailingAt lets the mouse up too and keeps tracing: the document shows what the failed
    // drag leaves once it ends, and each try starts with every earlier drag undone.
    ASErr dragFailingAt(const std::string& op, size_t occurrence = 1) {
        for (uint64_t n = 1;; ++n) {
            undoAllDrags();
            const FailedTry attempt = heldEventFailingCall(n);
            const bool hit = failedAt(attempt.result, op, occurrence);
            host().mouseUp();
            if (hit) return attempt.result;
            if (!attempt.reached) return kNoErr;
        }
    }

  private:
    struct FailedTry {
        ASErr result;
        bool reached;  // the event made n fallible calls, so the n-th did fail
    };
    // One held event, traced alone, whose n-th fallible call fails.
    FailedTry heldEventFailingCall(uint64_t n) {
        EXPECT_EQ(down(dragFrom_), kNoErr);
        host().setTracing(true);
        host().clearTrace();
        const uint64_t start = host().fallibleCallCount();
        host().failNthCall(n, kInjectedFaultErr);
        const ASErr result = move(dragTo_);
        const bool reached = host().fallibleCallCount() - start >= n;
        host().failNthCall(0, kNoErr);
        return {result, reached};
    }
    bool failedAt(ASErr result, const std::string& op, size_t occurrence) {
        const auto& trace = host().trace();
        return result == kInjectedFaultErr && !trace.empty() && trace.back() == op && count(op) == occurrence;
    }

    AIRealPoint dragFrom_{};
    AIRealPoint dragTo_{};
};

// The host's random sequence: a probe plug-in started in a fresh host with the same seed
// reads the draws the real plug-in will get.
inline std::vector<AIReal> probedDraws;
inline size_t probeWanted = 0;

extern "C" inline ASErr randomProbe(const char* caller, const char* selector, void* message) {
    if (std::strcmp(caller, kSPInterfaceCaller) != 0 ||
        std::strcmp(selector, kSPInterfaceStartupSelector) != 0)
        return kNoErr;
    SPBasicSuite* basic = static_cast<SPInterfaceMessage*>(message)->d.basic;
    const void* suite = nullptr;
    const ASErr error = basic->AcquireSuite(kAIRandomSuite, kAIRandomSuiteVersion, &suite);
    if (error) return error;
    const auto* random = static_cast<const AIRandomSuite*>(suite);
    for (size_t i = 0; i < probeWanted; ++i) probedDraws.push_back(random->FloatRnd());
    return kNoErr;
}

// The first `count` draws a fresh host with `seed` hands out.
inline std::vector<AIReal> hostDraws(uint32_t seed, size_t count) {
    qthost::HostConfig config;
    config.seed = seed;
    qthost::Host probeHost(config);
    probedDraws.clear();
    probeWanted = count;
    EXPECT_EQ(probeHost.loadStatic(randomProbe, ""), kNoErr);
    EXPECT_EQ(probeHost.startup(), kNoErr);
    return probedDraws;
}
// The first `count` draws of a host with the default seed, as the tests' host has.
inline std::vector<AIReal> hostDraws(size_t count) { return hostDraws(qthost::HostConfig{}.seed, count); }

// A model of the host's random values (std::mt19937 from the seed, 24 bits per value) for
// tests that look through many seeds, where starting a host per seed would be slow.
class HostDraws {
  public:
    explicit HostDraws(uint32_t seed = qthost::HostConfig{}.seed) : generator_(seed) {}
    AIReal next() { return static_cast<AIReal>(generator_() >> 8) * (1.0f / 16777216.0f); }
    AIReal sign() { return next() > 0.5f ? -1.0f : 1.0f; }
    void skip(int count) {
        for (int k = 0; k < count; ++k) next();
    }
    // One copy's jitter shift: the modes draw the vertical sign, the horizontal sign, then the
    // vertical and the horizontal magnitude, each magnitude times `amount` with its sign.
    AIRealPoint jitter(AIReal amount) {
        const AIReal signV = sign(), signH = sign();
        const AIReal magnitudeV = next(), magnitudeH = next();
        return {magnitudeH * signH * amount, magnitudeV * signV * amount};
    }

  private:
    std::mt19937 generator_;
};

inline ::testing::AssertionResult near(AIRealPoint actual, AIRealPoint expected, float tolerance = 1e-3f) {
    if (std::fabs(actual.h - expected.h) <= tolerance && std::fabs(actual.v - expected.v) <= tolerance)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "(" << actual.h << ", " << actual.v << ") is not (" << expected.h
                                         << ", " << expected.v << ") within " << tolerance;
}

}  // namespace qttest

#endif
