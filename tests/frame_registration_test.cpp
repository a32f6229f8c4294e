// Start-up registration: the plug-in's name, options and notifier, the tool, the family
// About submenu; the About item, the plug-in listing's about box and the message routing.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "fixture.h"
#include "host/host.h"

namespace {

using qthost::Host;
using Strings = std::vector<std::string>;

constexpr const char* kAboutBox =
    "About ZU41_QuenTarb\n"
    "ZU41_QuenTarb is made by Morvesh Software Ltd.\n"
    "www.morvesh-software.example\n"
    "Version 14.0. All rights reserved.\n";

class FrameRegistrationTest : public ::testing::Test {
  protected:
    void SetUp() override { host_ = qttest::startedHost(); }
    void TearDown() override { host_->shutdown(); }
    const qthost::HostRecords& records() { return host_->records(); }
    std::unique_ptr<Host> host_;
};

TEST_F(FrameRegistrationTest, StartupNamesThePluginSetsItsOptionAndWaitsForTheApplication) {
    EXPECT_EQ(records().pluginName, "ZU41_QuenTarb");
    EXPECT_EQ(records().pluginOptions, 2);
    EXPECT_EQ(records().notifiers,
              Strings{"ZU41_QuenTarb App Started Notifier|AI Application Started Notifier"});
}

TEST_F(FrameRegistrationTest, TheToolIsRegisteredOnceInAGroupOfItsOwn) {
    ASSERT_EQ(records().toolDetails.size(), 1u);
    const qthost::ToolRecord& tool = records().toolDetails[0];
    EXPECT_EQ(tool.name, "QuenTarb");
    EXPECT_EQ(tool.title, "QuenTarb");
    EXPECT_EQ(tool.tooltip, "QuenTarb");
    EXPECT_EQ(tool.options, kToolWantsToTrackCursorOption);
    EXPECT_EQ(tool.sameGroupAs, kNoTool);
    EXPECT_EQ(tool.sameToolsetAs, kNoTool);
    EXPECT_NE(tool.icon, nullptr);
    EXPECT_NE(tool.rolloverIcon, nullptr);
    EXPECT_NE(tool.icon, tool.rolloverIcon);
}

TEST_F(FrameRegistrationTest, TheFirstPluginOfTheFamilyMakesItsSubmenu) {
    EXPECT_EQ(records().menuGroups, Strings{"MorveshSoftwareLtd"});
    EXPECT_EQ(records().menuItems,
              (Strings{"About/About Morvesh Software Plug-ins", "MorveshSoftwareLtd/ZU41_QuenTarb..."}));
    EXPECT_EQ(records().suitesHeld.at(kAIMenuSuite), 1) << "start-up gives back the menu suite it borrowed";
}

TEST(FrameRegistration, WithTheFamilySubmenuPresentOnlyTheItemIsAdded) {
    Host host;
    ASSERT_EQ(host.loadModule(Host::defaultModulePath()), kNoErr);
    host.addMenuGroup("MorveshSoftwareLtd");
    ASSERT_EQ(host.startup(), kNoErr);
    EXPECT_TRUE(host.records().menuGroups.empty());
    EXPECT_EQ(host.records().menuItems, Strings{"MorveshSoftwareLtd/ZU41_QuenTarb..."});
}

TEST_F(FrameRegistrationTest, TheAboutItemShowsTheAboutBoxAndOtherItemsNothing) {
    int otherItem = 0;
    EXPECT_EQ(host_->goMenuItem(reinterpret_cast<AIMenuItemHandle>(&otherItem)), kNoErr);
    EXPECT_EQ(host_->goMenuItem(nullptr), kNoErr);
    EXPECT_TRUE(records().aboutBoxes.empty());

    EXPECT_EQ(host_->goMenuItem(host_->aboutMenuItem()), kNoErr);
    EXPECT_EQ(records().aboutBoxes, Strings{kAboutBox});
    EXPECT_EQ(records().suitesHeld.at(kADMBasicSuite), 1) << "the about box gives back the suite it borrowed";
}

TEST_F(FrameRegistrationTest, ThePluginListingShowsTheAboutStrings) {
    EXPECT_EQ(host_->about(), kNoErr);
    EXPECT_EQ(records().aboutBoxes,
              Strings{"ZU41_QuenTarb 14.0\nThe QuenTarb drawing tool, by Morvesh Software Ltd."});
}

TEST_F(FrameRegistrationTest, TheApplicationStartedNotificationRunsInsideTheApplicationContext) {
    EXPECT_EQ(host_->applicationStarted(), kNoErr);
    EXPECT_EQ(records().contextPushes, 1);
    EXPECT_EQ(records().contextDepth, 0) << "the context is popped again";
}

TEST_F(FrameRegistrationTest, PurgeReleasesNothing) { EXPECT_EQ(host_->purge(), kNoErr); }

// Pairs the plug-in does not handle, or handles with a default that answers "not handled":
// every one returns 0 and shows nothing. Callers and selectors are compared byte for byte.
TEST_F(FrameRegistrationTest, UnhandledPairsReturnZeroAndShowNothing) {
    struct Row {
        const char* caller;
        const char* selector;
        const char* why;
    };
    const Row rows[] = {
        {kCallerAITool, kSelectorAIDeselectTool, "deselect: the default handler"},
        {kCallerAITool, kSelectorAIReselectTool, "reselect: the default does nothing"},
        {kCallerAITool, kSelectorAIToolIncreaseDiameter, "diameter: the default does nothing"},
        {kSPPropertiesCaller, kSPPropertiesAcquireSelector, "properties: not handled"},
        {kCallerAIFilter, kSelectorAIGoFilter, "filters: not handled"},
        {kCallerAIMenu, kSelectorAIUpdateMenuItem, "menu update: not handled"},
        {kAIWorkspaceCaller, kAIWSWriteSelector, "the host's own spelling: not handled"},
        {kAIWorkspaceCaller, "Write Workspace", "another spelling: not in the table"},
        {"ai tool", kSelectorAISelectTool, "the caller is case-sensitive"},
        {kCallerAITool, "AI Select ", "a trailing space is another selector"},
        {kCallerAITool, "AI Mouse Dragged", "no prefix matching"},
        {"No Such Caller", "No Such Selector", "an unknown caller"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.why);
        AIToolMessage message{};
        EXPECT_EQ(host_->send(row.caller, row.selector, &message), kNoErr);
    }
    EXPECT_TRUE(records().alerts.empty());
    EXPECT_TRUE(host_->dialogs().dialogs().empty()) << "no near-miss reached SelectTool";
}

}  // namespace
