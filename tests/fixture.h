// Shared test helpers: a host with the real module loaded and started, the tool selected
// (which builds the options palette), and drags made as a user makes them.
#ifndef QT_TESTS_FIXTURE_H
#define QT_TESTS_FIXTURE_H

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "host/host.h"

namespace qttest {

// The options palette's dialog name.
inline constexpr const char* kPaletteName = kQuenTarbPaletteName;

// A host with the module built beside the tests, loaded and started.
inline std::unique_ptr<qthost::Host> startedHost(const qthost::HostConfig& config = {}) {
    auto host = std::make_unique<qthost::Host>(config);
    EXPECT_EQ(host->loadModule(qthost::Host::defaultModulePath()), kNoErr);
    EXPECT_EQ(host->startup(), kNoErr);
    return host;
}

// A down at `from`, `steps` drag events evenly spaced with the last exactly at `to`, an up.
// Returns the first non-zero result of the drag, or 0.
inline ASErr drag(qthost::Host& host, AIRealPoint from, AIRealPoint to, int steps = 8, int16_t pressure = 255,
                  uint32_t modifiers = 0) {
    ASErr first = host.mouseDown(from);
    for (int i = 1; i <= steps; ++i) {
        AIRealPoint at = to;
        if (i < steps) {
            AIReal t = static_cast<AIReal>(i) / static_cast<AIReal>(steps);
            at = {from.h + (to.h - from.h) * t, from.v + (to.v - from.v) * t};
        }
        ASErr r = host.mouseDrag(at, pressure, modifiers);
        if (first == kNoErr) first = r;
    }
    ASErr up = host.mouseUp();
    return first != kNoErr ? first : up;
}

// The palette the first tool selection built; null when there is none.
inline qthost::Dialog* palette(qthost::Host& host) { return host.dialogs().find(kPaletteName); }

// A palette item by id; null when missing (every user operation on null is a no-op).
inline qthost::DialogItem* paletteItem(qthost::Host& host, ASInt32 id) {
    qthost::Dialog* dialog = palette(host);
    return dialog ? dialog->item(id) : nullptr;
}

// A document whose new art is gray white and black, whatever its colour model: the mode
// tests read colour series as ink amounts.
inline qthost::HostConfig grayArtConfig() {
    qthost::HostConfig config;
    config.fill = qthost::Paint::white();
    config.stroke = qthost::Paint::black();
    return config;
}

// The plug-in loaded, started and its tool selected, ready to draw.
class PluginTest : public ::testing::Test {
  protected:
    // Override to change the document or the host before start-up.
    virtual qthost::HostConfig config() const { return grayArtConfig(); }

    void SetUp() override {
        host_ = startedHost(config());
        ASSERT_EQ(host_->selectTool(), kNoErr);
    }
    void TearDown() override {
        if (host_) host_->shutdown();
    }

    qthost::Host& host() { return *host_; }
    qthost::Document& document() { return host_->document(); }
    qthost::Dialog* palette() { return qttest::palette(*host_); }
    qthost::DialogItem* item(ASInt32 id) { return qttest::paletteItem(*host_, id); }
    ASErr drag(AIRealPoint from, AIRealPoint to, int steps = 8, int16_t pressure = 255,
               uint32_t modifiers = 0) {
        return qttest::drag(*host_, from, to, steps, pressure, modifiers);
    }

    std::unique_ptr<qthost::Host> host_;
};

}  // namespace qttest

#endif
