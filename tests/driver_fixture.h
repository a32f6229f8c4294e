// Helpers for the drag driver and drag mode tests: palette items by name, single drag events,
// and reading the art one event left in the document.
#ifndef QT_TESTS_DRIVER_FIXTURE_H
#define QT_TESTS_DRIVER_FIXTURE_H

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "fixture.h"
#include "sdk/Messages.h"

namespace qttest {

// Palette items the driver and drag mode tests change, as a user would.
namespace items {
inline constexpr ASInt32 layer = 4, prOpacity = 5, prLength = 6, prWidth = 7, beneath = 8;
inline constexpr ASInt32 opacity = 9, blend = 10, slowdown = 11, fillMode = 12, strokeMode = 13;
inline constexpr ASInt32 fillSwatch = 14, strokeSwatch = 15, width = 16, pattern = 17;
inline constexpr ASInt32 fillProcess = 18, strokeProcess = 19, tool = 21, lineType = 22, closed = 23;
inline constexpr ASInt32 copies1 = 42, rotate1 = 43, jitterX1 = 44, jitterY1 = 45;
inline constexpr ASInt32 trail1 = 47, warp1 = 48, create1 = 49;
}  // namespace items

inline constexpr int kDragTool = 1;
inline constexpr int kZoomTool = 2;

class DriverTest : public PluginTest {
  protected:
    void useTool(int tool) { selectEntry(items::tool, tool); }

    void setInt(ASInt32 id, ASInt32 value) {
        ASSERT_NE(item(id), nullptr) << "item " << id;
        qthost::DialogModel::userSetInt(item(id), value);
        ASSERT_EQ(item(id)->intValue(), value) << "item " << id;
    }
    void setFloat(ASInt32 id, AIReal value) {
        ASSERT_NE(item(id), nullptr) << "item " << id;
        qthost::DialogModel::userSetFloat(item(id), value);
        ASSERT_EQ(item(id)->floatValue(), value) << "item " << id;
    }
    void setBool(ASInt32 id, bool value) {
        ASSERT_NE(item(id), nullptr) << "item " << id;
        qthost::DialogModel::userSetBool(item(id), value);
        ASSERT_EQ(item(id)->boolValue(), value) << "item " << id;
    }
    void selectEntry(ASInt32 id, int index) {
        ASSERT_NE(item(id), nullptr) << "item " << id;
        qthost::DialogModel::userSelectEntry(item(id), index);
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

inline ::testing::AssertionResult near(AIRealPoint actual, AIRealPoint expected, float tolerance = 1e-3f) {
    if (std::fabs(actual.h - expected.h) <= tolerance && std::fabs(actual.v - expected.v) <= tolerance)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "(" << actual.h << ", " << actual.v << ") is not (" << expected.h
                                         << ", " << expected.v << ") within " << tolerance;
}

}  // namespace qttest

#endif
