// The plug-in's life through PluginMain: messages without a plug-in object, start-up and its
// failures, unload and reload, shutdown, and the module's one export.
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>

#include "driver_fixture.h"
#include "host/host.h"

namespace {

using qthost::Host;

std::unique_ptr<Host> loadedHost() {
    auto host = std::make_unique<Host>();
    EXPECT_EQ(host->loadModule(Host::defaultModulePath()), kNoErr);
    return host;
}

// Every request a host can make of a plug-in, each of which must be harmless without one.
void sendEveryMessage(Host& host) {
    EXPECT_EQ(host.selectTool(), kNoErr);
    EXPECT_EQ(host.editTool(), kNoErr);
    EXPECT_EQ(host.trackCursor(), kNoErr);
    EXPECT_EQ(host.mouseDown({10, 10}), kNoErr);
    EXPECT_EQ(host.mouseDrag({90, 60}), kNoErr);
    EXPECT_EQ(host.mouseUp(), kNoErr);
    EXPECT_EQ(host.about(), kNoErr);
    EXPECT_EQ(host.purge(), kNoErr);
    EXPECT_EQ(host.applicationStarted(), kNoErr);
    EXPECT_EQ(host.goMenuItem(nullptr), kNoErr);
}

TEST(FrameLifecycle, MessagesWithoutAPluginObjectReturnZeroAndCallNothing) {
    auto host = loadedHost();
    host->setTracing(true);
    sendEveryMessage(*host);
    EXPECT_EQ(host->unload(), kNoErr);
    EXPECT_EQ(host->reload(), kNoErr);
    EXPECT_EQ(host->shutdown(), kNoErr) << "shutdown without an object";
    EXPECT_TRUE(host->trace().empty()) << "the first host call was " << host->trace().front();
    EXPECT_TRUE(host->records().alerts.empty());
    EXPECT_TRUE(host->dialogs().dialogs().empty());
    EXPECT_EQ(host->document().layerArt(0).size(), 0u);
}

TEST(FrameLifecycle, BadMessagesNeverCrashTheModule) {
    auto host = loadedHost();
    EXPECT_EQ(host->send(kSPInterfaceCaller, kSPInterfaceStartupSelector, nullptr), kBadParameterErr);
    EXPECT_EQ(host->send(nullptr, kSPInterfaceStartupSelector, nullptr), kBadParameterErr);
    ASSERT_EQ(host->startup(), kNoErr) << "a bad message leaves the module able to start";
    SPGenericMessage message{};
    EXPECT_EQ(host->send("No Such Caller", "No Such Selector", &message), kNoErr);
    EXPECT_EQ(host->send(nullptr, nullptr, &message), kBadParameterErr);
    EXPECT_TRUE(host->records().alerts.empty());
    EXPECT_EQ(host->shutdown(), kNoErr);
}

TEST(FrameLifecycle, ShutdownReleasesEverySuiteStartupAcquired) {
    auto host = loadedHost();
    ASSERT_EQ(host->startup(), kNoErr);
    const auto& held = host->records().suitesHeld;
    EXPECT_EQ(held.size(), 36u)
        << "five basic suites and thirty-one import suites, the tool suite once by name";
    EXPECT_EQ(held.at(kAIToolSuite), 2) << "the tool suite is held twice, as sAITool and as sTool";
    EXPECT_EQ(held.count(kAISymbolSuite), 0u) << "the Mac-only suites are not asked for";
    EXPECT_EQ(host->shutdown(), kNoErr);
    EXPECT_TRUE(host->records().suitesHeld.empty());
    EXPECT_EQ(host->trackCursor(), kNoErr);
    EXPECT_TRUE(host->records().cursors.empty()) << "the object is gone after shutdown";
}

// Every suite of the start-up lists is required: without it nothing starts, the suites
// already acquired are given back and the error is shown once.
TEST(FrameLifecycle, EachMissingSuiteFailsStartup) {
    const char* suites[] = {
        kSPAccessSuite,       kSPPluginsSuite,
        kAINotifierSuite,     kAIContextSuite,
        kADMBasicSuite,       kAIMenuSuite,
        kAIToolSuite,         kAIUnicodeStringSuite,
        kAIPluginSuite,       kSPBlocksSuite,
        kAIUndoSuite,         kAIArtSuite,
        kAISwatchListSuite,   kAIRealMathSuite,
        kAIPathSuite,         kAIMatchingArtSuite,
        kAIPathStyleSuite,    kAIDocumentSuite,
        kAILayerSuite,        kAIMdMemorySuite,
        kAIDocumentViewSuite, kAIShapeConstructionSuite,
        kAITagSuite,          kAIBlendStyleSuite,
        kAIRandomSuite,       kAITransformArtSuite,
        kAIArtStyleSuite,     kAIEnvelopeSuite,
        kADMIconSuite,        kADMTrackerSuite,
        kADMDialogSuite,      kADMEntrySuite,
        kADMListSuite,        kADMItemSuite,
        kAICropAreaSuite,     kAICropAreaRangeSuite,
    };
    for (const char* suite : suites) {
        SCOPED_TRACE(suite);
        auto host = loadedHost();
        host->failSuite(suite, kInjectedFaultErr);
        EXPECT_EQ(host->startup(), kInjectedFaultErr);
        EXPECT_TRUE(host->records().suitesHeld.empty());
        ASSERT_EQ(host->records().alerts.size(), 1u);
        EXPECT_EQ(host->records().alerts[0], "QuenTarb could not complete the operation (error FLT!).");
        EXPECT_TRUE(host->records().tools.empty());
        EXPECT_EQ(host->trackCursor(), kNoErr);
        EXPECT_TRUE(host->records().cursors.empty()) << "no object survives a failed start-up";
    }
}

// Fails each host call of a start-up in turn. The calls whose answer start-up relies on fail
// it with their code (the two allocations as "!MEM"); only the menu suite's release and the
// two Unicode string releases are ignored. A failed start-up leaves nothing held.
TEST(FrameLifecycle, EveryCheckedStartupCallFailsStartup) {
    uint64_t calls = 0;
    {
        auto reference = loadedHost();
        ASSERT_EQ(reference->startup(), kNoErr);
        calls = reference->fallibleCallCount();
    }
    int failed = 0, outOfMemory = 0, ignored = 0;
    for (uint64_t n = 1; n <= calls; ++n) {
        SCOPED_TRACE("host call " + std::to_string(n));
        auto host = loadedHost();
        host->failNthCall(n, kInjectedFaultErr);
        const ASErr result = host->startup();
        const auto& records = host->records();
        if (result == kNoErr) {
            ++ignored;
            EXPECT_EQ(records.tools.size(), 1u);
            EXPECT_TRUE(records.alerts.empty());
            EXPECT_EQ(host->shutdown(), kNoErr);
            continue;
        }
        if (result == kOutOfMemoryErr) {
            ++outOfMemory;
            ASSERT_EQ(records.alerts.size(), 1u);
            EXPECT_EQ(records.alerts[0], "Not enough memory to complete the operation (!MEM).");
        } else {
            ++failed;
            EXPECT_EQ(result, kInjectedFaultErr);
            ASSERT_EQ(records.alerts.size(), 1u);
            EXPECT_EQ(records.alerts[0], "QuenTarb could not complete the operation (error FLT!).");
        }
        EXPECT_TRUE(records.suitesHeld.empty());
        EXPECT_EQ(host->trackCursor(), kNoErr);
        EXPECT_TRUE(records.cursors.empty());
    }
    EXPECT_EQ(outOfMemory, 2) << "the plug-in object and the Suites object";
    EXPECT_EQ(ignored, 3) << "the menu suite's release and two Unicode string releases";
    EXPECT_GT(failed, 40);
}

class FrameUnloadTest : public qttest::DriverTest {};

// After an unload only "Reload" reaches the plug-in; the object, its palette and every
// option survive the unload and reload.
TEST_F(FrameUnloadTest, UnloadSilencesThePluginAndReloadRestoresItWithItsOptions) {
    constexpr AIRealPoint from{100, 100}, to{220, 180};
    useTool(qttest::kDragTool);
    setInt(qttest::items::copies1, 3);
    ASSERT_EQ(drag(from, to), kNoErr);
    const size_t withThreeCopies = allArt();
    ASSERT_GT(withThreeCopies, 0u);
    host().undoLastDrag();
    ASSERT_EQ(allArt(), 0u);

    ASSERT_EQ(host().unload(), kNoErr);
    EXPECT_TRUE(host().records().suitesHeld.empty());
    host().setTracing(true);
    EXPECT_EQ(host().mouseDown(from), kNoErr);
    EXPECT_EQ(host().mouseDrag(to), kNoErr);
    EXPECT_EQ(host().mouseUp(), kNoErr);
    EXPECT_EQ(host().unload(), kNoErr);
    EXPECT_TRUE(host().trace().empty()) << "an unloaded plug-in calls no host suite";
    EXPECT_EQ(allArt(), 0u);
    host().setTracing(false);

    ASSERT_EQ(host().reload(), kNoErr);
    EXPECT_EQ(host().records().suitesHeld.at(kAIToolSuite), 2);
    ASSERT_EQ(drag(from, to), kNoErr);
    EXPECT_EQ(allArt(), withThreeCopies) << "the copy count set before the unload is still in force";
    ASSERT_EQ(host().selectTool(), kNoErr);
    EXPECT_EQ(host().dialogs().dialogs().size(), 1u) << "the object kept its palette";
    ASSERT_EQ(host().goMenuItem(host().aboutMenuItem()), kNoErr);
    EXPECT_EQ(host().records().aboutBoxes.size(), 1u) << "the object kept its About item";
}

TEST(FrameModule, ExportsOnlyPluginMain) {
    const std::string command = "nm -D --defined-only '" + Host::defaultModulePath() + "'";
    FILE* pipe = popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string exported;
    char line[512];
    while (fgets(line, sizeof line, pipe) != nullptr) exported += line;
    ASSERT_EQ(pclose(pipe), 0) << command;
    // One line: address, type, name.
    EXPECT_EQ(exported.find('\n'), exported.size() - 1) << exported;
    EXPECT_NE(exported.find(" T PluginMain\n"), std::string::npos) << exported;
}

}  // namespace
