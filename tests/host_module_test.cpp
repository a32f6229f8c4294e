// The host with the real module: loading, the message header, start-up and shutdown.
#include <gtest/gtest.h>

#include "fixture.h"

namespace {

using qthost::Host;

TEST(HostModule, StartsAndShutsDownThroughPluginMain) {
    Host host;
    ASSERT_EQ(host.loadModule(Host::defaultModulePath()), kNoErr) << Host::defaultModulePath();
    EXPECT_EQ(host.startup(), kNoErr);
    EXPECT_FALSE(host.records().pluginName.empty()) << "start-up gives the host the plug-in's name";
    EXPECT_FALSE(host.records().suitesHeld.empty()) << "start-up acquires suites";
    EXPECT_EQ(host.shutdown(), kNoErr);
    EXPECT_TRUE(host.records().suitesHeld.empty()) << "shutdown releases every suite it acquired";
    ASSERT_EQ(host.results().size(), 2u) << "every PluginMain result is kept";
    EXPECT_EQ(host.results()[0], kNoErr);
    EXPECT_EQ(host.results()[1], kNoErr);
}

TEST(HostModule, ResultsKeepEveryValueInOrderAsRuns) {
    qthost::ResultLog log;
    const std::vector<ASErr> values = {kNoErr, kNoErr,           kCantHappenErr,
                                       kNoErr, kBadParameterErr, kBadParameterErr};
    for (ASErr v : values) log.push(v);
    EXPECT_EQ(log.all(), values);
    ASSERT_EQ(log.size(), values.size());
    for (size_t i = 0; i < values.size(); ++i) EXPECT_EQ(log[i], values[i]) << "index " << i;
    EXPECT_EQ(log.back(), kBadParameterErr);
    const qthost::ResultLog none;
    EXPECT_TRUE(none.empty());
    EXPECT_TRUE(none.all().empty());
}

TEST(HostModule, ALoadThatFindsNoModuleFails) {
    Host host;
    EXPECT_NE(host.loadModule("/nonexistent/ZU41_QuenTarb.so"), kNoErr);
    EXPECT_EQ(host.startup(), kInvalidStateErr) << "nothing loaded: no message reaches anything";
    EXPECT_TRUE(host.results().empty());
}

TEST(HostModule, TheResourceFileBesideTheModuleIsRead) {
    auto host = qttest::startedHost();
    ASSERT_EQ(host->records().tools.size(), 1u);
    EXPECT_EQ(host->records().tools[0], "QuenTarb") << "tool name from index string 16100 entry 1";
    EXPECT_EQ(host->records().toolDetails[0].icon != nullptr, true) << "icon image 16051 found";
}

}  // namespace
