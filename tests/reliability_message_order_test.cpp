// Message-order robustness: the host's messages in every order up to three long, and the
// out-of-order cases one by one (drag or up without a down, down twice, messages while
// unloaded, shutdown in the middle of a drag, a reload that fails, tool selection before and
// after the palette exists). Nothing may crash, leak a suite or show an alert, and each result
// is the one the frame gives.
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "fixture.h"
#include "reliability_support.h"

namespace {

// The module's life as the host sees it.
enum class Life { notStarted, running, unloaded };

struct Step {
    const char* name;
    std::function<ASErr(qthost::Host&)> send;
};

const std::vector<Step>& steps() {
    static const std::vector<Step> kSteps = {
        {"startup", [](qthost::Host& h) { return h.startup(); }},
        {"shutdown", [](qthost::Host& h) { return h.shutdown(); }},
        {"unload", [](qthost::Host& h) { return h.unload(); }},
        {"reload", [](qthost::Host& h) { return h.reload(); }},
        {"select", [](qthost::Host& h) { return h.selectTool(); }},
        {"deselect", [](qthost::Host& h) { return h.deselectTool(); }},
        {"edit", [](qthost::Host& h) { return h.editTool(); }},
        {"track", [](qthost::Host& h) { return h.trackCursor(); }},
        {"down",
         [](qthost::Host& h) {
             return h.mouseDown({120.0f, 140.0f});
         }},
        {"drag",
         [](qthost::Host& h) {
             return h.mouseDrag({260.0f, 310.0f});
         }},
        {"up", [](qthost::Host& h) { return h.mouseUp(); }},
        {"purge", [](qthost::Host& h) { return h.purge(); }},
        {"about", [](qthost::Host& h) { return h.about(); }},
        {"started", [](qthost::Host& h) { return h.applicationStarted(); }},
    };
    return kSteps;
}

Life next(Life life, const std::string& step) {
    if (step == "startup" && life == Life::notStarted) return Life::running;
    if (step == "shutdown") return Life::notStarted;
    if (step == "unload" && life == Life::running) return Life::unloaded;
    if (step == "reload" && life == Life::unloaded) return Life::running;
    return life;
}

bool nothingHeld(const qthost::HostRecords& records) {
    for (const auto& [suite, count] : records.suitesHeld) {
        if (count != 0) return false;
    }
    return records.accessHeld == 0 && records.contextDepth == 0;
}

// Plays one order of messages on a fresh host and checks each result against the model.
void play(const std::vector<size_t>& order) {
    std::string where;
    for (size_t i : order) where += std::string(steps()[i].name) + " ";
    SCOPED_TRACE(where);

    qthost::Host host;
    ASSERT_EQ(host.loadModule(qthost::Host::defaultModulePath()), kNoErr);
    Life life = Life::notStarted;
    size_t startups = 0;
    for (size_t i : order) {
        const std::string name = steps()[i].name;
        const uint64_t calls = host.fallibleCallCount();
        const size_t changes = host.document().changeLogSize();
        EXPECT_EQ(steps()[i].send(host), kNoErr) << name;
        const Life after = next(life, name);
        if (life == Life::notStarted && after == Life::running) ++startups;
        // Without a running plug-in nothing reaches it, except the messages that start,
        // reload or end it (an unloaded object is still given back to the host's allocator);
        // a repeated start-up is not a second plug-in.
        const bool mayAct =
            life == Life::running || after == Life::running || (name == "shutdown" && life == Life::unloaded);
        if (!mayAct) {
            EXPECT_EQ(host.fallibleCallCount(), calls) << name << ": the plug-in called the host";
            EXPECT_EQ(host.document().changeLogSize(), changes) << name << ": the document changed";
        }
        if (after != Life::running) {
            EXPECT_TRUE(nothingHeld(host.records())) << name << ": suites held while not running";
        }
        life = after;
    }
    EXPECT_EQ(host.shutdown(), kNoErr);
    EXPECT_TRUE(nothingHeld(host.records())) << "after the last shutdown";
    EXPECT_TRUE(host.records().alerts.empty());
    EXPECT_EQ(host.records().tools.size(), startups) << "one tool per start-up";
    EXPECT_LE(host.dialogs().find(qttest::kPaletteName) ? 1u : 0u, startups);
}

// The orders are split by their first message, one test each, so that no test takes long
// under the sanitizers.
class ReliabilityMessageOrder : public ::testing::TestWithParam<size_t> {};

std::string firstMessageName(const ::testing::TestParamInfo<size_t>& info) {
    return steps()[info.param].name;
}

// Every order of one, two and three messages that starts with this one.
TEST_P(ReliabilityMessageOrder, EveryOrderUpToThreeMessages) {
    const size_t n = steps().size();
    const size_t a = GetParam();
    int orders = 0;
    play({a});
    ++orders;
    for (size_t b = 0; b < n && !HasFailure(); ++b) {
        play({a, b});
        ++orders;
        for (size_t c = 0; c < n && !HasFailure(); ++c) {
            play({a, b, c});
            ++orders;
        }
    }
    RecordProperty("orders", orders);
}

// The same orders with the plug-in started and the palette built first, so that each one
// runs against a live tool and ends with a drag that must still draw.
TEST_P(ReliabilityMessageOrder, EveryOrderOfThreeAfterAStartAndThenADrag) {
    const size_t n = steps().size();
    const size_t a = GetParam();
    int orders = 0;
    for (size_t b = 0; b < n && !HasFailure(); ++b) {
        for (size_t c = 0; c < n && !HasFailure(); ++c) {
            SCOPED_TRACE(std::string(steps()[a].name) + " " + steps()[b].name + " " + steps()[c].name);
            auto host = qttest::startedHost();
            ASSERT_EQ(host->selectTool(), kNoErr);
            Life life = Life::running;
            for (size_t i : {a, b, c}) {
                EXPECT_EQ(steps()[i].send(*host), kNoErr) << steps()[i].name;
                life = next(life, steps()[i].name);
            }
            if (life == Life::unloaded) {
                EXPECT_EQ(host->reload(), kNoErr);
            }
            if (life == Life::notStarted) {
                EXPECT_EQ(host->startup(), kNoErr);
                EXPECT_EQ(host->selectTool(), kNoErr);
            }
            const size_t before = host->document().liveArtCount();
            EXPECT_EQ(qttest::drag(*host, {100.0f, 100.0f}, {300.0f, 260.0f}, 3), kNoErr);
            EXPECT_GT(host->document().liveArtCount(), before) << "the drag drew nothing";
            EXPECT_TRUE(host->records().alerts.empty());
            EXPECT_EQ(host->shutdown(), kNoErr);
            EXPECT_TRUE(nothingHeld(host->records()));
            ++orders;
        }
    }
    RecordProperty("orders", orders);
}

INSTANTIATE_TEST_SUITE_P(FirstMessage, ReliabilityMessageOrder, ::testing::Range<size_t>(0, steps().size()),
                         firstMessageName);

class ReliabilityOrderTest : public qttest::PluginTest {};

// A drag event or an up with no down: the drag state is the initial one; nothing fails.
TEST(ReliabilityOrder, DragAndUpWithoutADown) {
    auto host = qttest::startedHost();
    ASSERT_EQ(host->selectTool(), kNoErr);
    EXPECT_EQ(host->mouseDrag({200.0f, 220.0f}), kNoErr);
    EXPECT_EQ(host->mouseDrag({240.0f, 260.0f}), kNoErr);
    EXPECT_EQ(host->mouseUp(), kNoErr);
    EXPECT_EQ(host->mouseUp(), kNoErr);
    EXPECT_TRUE(host->records().alerts.empty());
    EXPECT_EQ(host->shutdown(), kNoErr);
}

// A second down restarts the drag: the art is that of a drag from the second point.
TEST(ReliabilityOrder, DownTwiceStartsFromTheSecondDown) {
    auto once = qttest::startedHost();
    auto twice = qttest::startedHost();
    for (auto* host : {once.get(), twice.get()}) ASSERT_EQ(host->selectTool(), kNoErr);
    ASSERT_EQ(twice->mouseDown({50.0f, 60.0f}), kNoErr);
    for (auto* host : {once.get(), twice.get()}) {
        ASSERT_EQ(host->mouseDown({120.0f, 140.0f}), kNoErr);
        ASSERT_EQ(host->mouseDrag({260.0f, 300.0f}), kNoErr);
        ASSERT_EQ(host->mouseUp(), kNoErr);
    }
    EXPECT_EQ(qtrel::snapshot(twice->document()), qtrel::snapshot(once->document()));
    once->shutdown();
    twice->shutdown();
}

// Shutting down between two drag events: the art made so far stays with the document, every
// suite is given back, later tool messages do nothing, and a new start draws again.
TEST(ReliabilityOrder, ShutdownInTheMiddleOfADrag) {
    auto host = qttest::startedHost();
    ASSERT_EQ(host->selectTool(), kNoErr);
    ASSERT_EQ(host->mouseDown({100.0f, 100.0f}), kNoErr);
    ASSERT_EQ(host->mouseDrag({200.0f, 240.0f}), kNoErr);
    const std::string drawn = qtrel::snapshot(host->document());
    EXPECT_EQ(host->shutdown(), kNoErr);
    EXPECT_TRUE(nothingHeld(host->records()));
    EXPECT_EQ(host->mouseDrag({260.0f, 300.0f}), kNoErr);
    EXPECT_EQ(host->mouseUp(), kNoErr);
    EXPECT_EQ(qtrel::snapshot(host->document()), drawn) << "no plug-in, no change";

    ASSERT_EQ(host->startup(), kNoErr);
    ASSERT_EQ(host->selectTool(), kNoErr);
    const size_t before = host->document().liveArtCount();
    EXPECT_EQ(qttest::drag(*host, {100.0f, 100.0f}, {300.0f, 300.0f}, 2), kNoErr);
    EXPECT_GT(host->document().liveArtCount(), before);
    EXPECT_EQ(host->shutdown(), kNoErr);
    EXPECT_TRUE(nothingHeld(host->records()));
}

// A reload whose suites cannot all be acquired leaves the module unloaded: it reports the
// error once, holds nothing, ignores the tool, and a later reload brings it back.
TEST(ReliabilityOrder, AFailedReloadStaysUnloadedUntilAReloadSucceeds) {
    std::vector<std::string> suites;
    {
        auto reference = qttest::startedHost();
        for (const auto& [name, count] : reference->records().suitesHeld) suites.push_back(name);
        reference->shutdown();
    }
    ASSERT_FALSE(suites.empty());
    for (const std::string& suite : suites) {
        SCOPED_TRACE(suite);
        auto host = qttest::startedHost();
        ASSERT_EQ(host->selectTool(), kNoErr);
        ASSERT_EQ(host->mouseDown({100.0f, 100.0f}), kNoErr);
        ASSERT_EQ(host->unload(), kNoErr);
        host->failSuite(suite, qtrel::kInjected);
        EXPECT_EQ(host->reload(), qtrel::kInjected);
        EXPECT_TRUE(nothingHeld(host->records()));
        const size_t changes = host->document().changeLogSize();
        EXPECT_EQ(host->mouseDrag({200.0f, 200.0f}), kNoErr);
        EXPECT_EQ(host->document().changeLogSize(), changes) << "an unloaded plug-in drew";
        EXPECT_EQ(host->records().alerts.size(), 1u);
        host->failSuite(suite, kNoErr);
        EXPECT_EQ(host->reload(), kNoErr);
        EXPECT_EQ(host->mouseDrag({260.0f, 300.0f}), kNoErr);
        EXPECT_GT(host->document().changeLogSize(), changes) << "the reloaded plug-in does not draw";
        EXPECT_EQ(host->mouseUp(), kNoErr);
        EXPECT_EQ(host->shutdown(), kNoErr);
        EXPECT_TRUE(nothingHeld(host->records()));
    }
}

// A start-up while the plug-in runs or is unloaded makes no second plug-in: the one in place
// keeps its suites, its tool and its palette.
TEST(ReliabilityOrder, ARepeatedStartupKeepsTheOnePlugin) {
    auto host = qttest::startedHost();
    ASSERT_EQ(host->selectTool(), kNoErr);
    const auto held = host->records().suitesHeld;
    EXPECT_EQ(host->startup(), kNoErr);
    EXPECT_EQ(host->records().suitesHeld, held);
    EXPECT_EQ(host->records().tools.size(), 1u);
    ASSERT_EQ(host->unload(), kNoErr);
    const uint64_t calls = host->fallibleCallCount();
    EXPECT_EQ(host->startup(), kNoErr);
    EXPECT_EQ(host->fallibleCallCount(), calls) << "an unloaded plug-in was started again";
    ASSERT_EQ(host->reload(), kNoErr);
    EXPECT_EQ(host->records().suitesHeld, held);
    EXPECT_EQ(qttest::drag(*host, {100.0f, 100.0f}, {220.0f, 200.0f}, 2), kNoErr);
    EXPECT_EQ(host->shutdown(), kNoErr);
    EXPECT_TRUE(nothingHeld(host->records()));
    EXPECT_TRUE(host->records().alerts.empty());
}

// The palette stays on screen while the module is unloaded or shut down; a change made then
// is not read (the suites are given back) and nothing breaks. After a reload the palette
// works again.
TEST(ReliabilityOrder, PaletteChangesWhileUnloadedOrShutDownAreIgnored) {
    auto host = qttest::startedHost();
    ASSERT_EQ(host->selectTool(), kNoErr);
    qthost::Dialog* palette = qttest::palette(*host);
    ASSERT_NE(palette, nullptr);
    auto changeEverything = [&] {
        qthost::DialogModel::userSelectEntry(palette->item(21), 8);  // tool selector
        qthost::DialogModel::userSelectEntry(palette->item(12), 3);  // fill colour
        qthost::DialogModel::userSetInt(palette->item(200), 7);      // spiral copies
        qthost::DialogModel::userSetBool(palette->item(4), true);    // layer
        qthost::DialogModel::userClick(palette->item(3));            // Reset
    };
    ASSERT_EQ(host->unload(), kNoErr);
    changeEverything();
    ASSERT_EQ(host->reload(), kNoErr);
    qthost::DialogModel::userSelectEntry(palette->item(21), 1);
    EXPECT_EQ(palette->title(), "QUENTARB - DRAG TOOL") << "the palette answers again after the reload";
    ASSERT_EQ(host->shutdown(), kNoErr);
    changeEverything();
    EXPECT_TRUE(nothingHeld(host->records()));
}

// The palette exists once, whether the tool is selected before start-up (ignored), many
// times, or around an unload and reload.
TEST(ReliabilityOrder, ToolSelectionBeforeAndAfterThePaletteExists) {
    qthost::Host host;
    ASSERT_EQ(host.loadModule(qthost::Host::defaultModulePath()), kNoErr);
    EXPECT_EQ(host.selectTool(), kNoErr);
    EXPECT_EQ(host.editTool(), kNoErr);
    EXPECT_EQ(qttest::palette(host), nullptr) << "no plug-in, no palette";
    ASSERT_EQ(host.startup(), kNoErr);
    EXPECT_EQ(host.editTool(), kNoErr);
    EXPECT_EQ(qttest::palette(host), nullptr) << "a double-click before any selection makes nothing";
    ASSERT_EQ(host.selectTool(), kNoErr);
    qthost::Dialog* palette = qttest::palette(host);
    ASSERT_NE(palette, nullptr);
    const size_t items = palette->items().size();
    EXPECT_EQ(host.deselectTool(), kNoErr);
    EXPECT_EQ(host.selectTool(), kNoErr);
    EXPECT_EQ(host.unload(), kNoErr);
    EXPECT_EQ(host.selectTool(), kNoErr);
    EXPECT_EQ(host.reload(), kNoErr);
    EXPECT_EQ(host.selectTool(), kNoErr);
    EXPECT_EQ(host.editTool(), kNoErr);
    EXPECT_EQ(qttest::palette(host), palette);
    EXPECT_EQ(palette->items().size(), items) << "the palette was built again";
    EXPECT_TRUE(palette->visible());
    EXPECT_EQ(host.shutdown(), kNoErr);
}

// Repeated failures of one code within the window show one alert; another code shows its own.
TEST_F(ReliabilityOrderTest, RepeatedFailuresShowOneAlertPerWindow) {
    ASSERT_EQ(host().mouseDown({100.0f, 100.0f}), kNoErr);
    for (int i = 0; i < 5; ++i) {
        host().failNthCall(3, qtrel::kInjected);  // revert, pressure query, document setup read
        EXPECT_NE(host().mouseDrag({150.0f + 10.0f * static_cast<AIReal>(i), 200.0f}), kNoErr);
    }
    EXPECT_EQ(host().records().alerts.size(), 1u);
    host().failNthCall(3, kOutOfMemoryErr);
    EXPECT_EQ(host().mouseDrag({300.0f, 300.0f}), kOutOfMemoryErr);
    EXPECT_EQ(host().records().alerts.size(), 2u);
    host().failNthCall(0, kNoErr);
    EXPECT_EQ(host().mouseUp(), kNoErr);
}

}  // namespace
