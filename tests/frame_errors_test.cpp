// Errors the plug-in shows: the filter list, the five-second duplicate window and the alert
// text built from the key/template pairs of index-string list 16050.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "fixture.h"
#include "host/host.h"

namespace {

using qthost::Host;

constexpr ASErr kArtGone = QT_FOURCC('A', 'R', 'T', '?');

// The mouse-up hands the host's undo answer back, so failing the next host call makes the
// plug-in report exactly that code.
ASErr failMouseUp(Host& host, ASErr code) {
    host.failNthCall(1, code);
    return host.mouseUp();
}

class FrameErrorsTest : public ::testing::Test {
  protected:
    void SetUp() override { host_ = qttest::startedHost(); }
    const std::vector<std::string>& alerts() { return host_->records().alerts; }
    std::unique_ptr<Host> host_;
};

TEST_F(FrameErrorsTest, TheSameErrorIsShownOnceAndAnotherErrorResetsTheWindow) {
    EXPECT_EQ(failMouseUp(*host_, kInjectedFaultErr), kInjectedFaultErr);
    EXPECT_EQ(alerts().size(), 1u) << "reported once, where it leaves the plug-in";
    EXPECT_EQ(failMouseUp(*host_, kInjectedFaultErr), kInjectedFaultErr);
    EXPECT_EQ(alerts().size(), 1u) << "the same error again within five seconds";
    EXPECT_EQ(failMouseUp(*host_, kArtGone), kArtGone);
    EXPECT_EQ(alerts().size(), 2u) << "a different error";
    EXPECT_EQ(failMouseUp(*host_, kInjectedFaultErr), kInjectedFaultErr);
    EXPECT_EQ(alerts().size(), 3u) << "the first error after another one is shown again";
}

TEST_F(FrameErrorsTest, AlertTextWritesSmallErrorsInDecimalAndLargeOnesAsFourCharacters) {
    struct Row {
        ASErr error;
        const char* alert;
        const char* why;
    };
    const Row rows[] = {
        {42, "QuenTarb could not complete the operation (error 42).", "no key: the last template"},
        {16384, "QuenTarb could not complete the operation (error 16384).", "16384 is still decimal"},
        {-1, "QuenTarb could not complete the operation (error -1).", "negative errors are decimal"},
        {-108, "Not enough memory to complete the operation (-108).", "a decimal key"},
        {kInjectedFaultErr, "QuenTarb could not complete the operation (error FLT!).",
         "above 16384: four characters"},
        {kOutOfMemoryErr, "Not enough memory to complete the operation (!MEM).", "a four-character key"},
        {kArtGone, "The artwork QuenTarb was working on no longer exists (ART?).",
         "another four-character key"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.why);
        const size_t before = alerts().size();
        EXPECT_EQ(failMouseUp(*host_, row.error), row.error);
        ASSERT_EQ(alerts().size(), before + 1);
        EXPECT_EQ(alerts().back(), row.alert);
    }
}

TEST_F(FrameErrorsTest, FilteredErrorsAreReturnedButNeverShown) {
    const ASErr filtered[] = {361, QT_FOURCC('S', 'T', 'O', 'P'), kSuiteNotFoundErr,
                              QT_FOURCC('F', 'M', 'T', '?')};
    for (ASErr error : filtered) EXPECT_EQ(failMouseUp(*host_, error), error);
    EXPECT_TRUE(alerts().empty());
}

// A copy of the module beside a resource file of the test's own, so that the error list
// can be varied. The copy is a module of its own with fresh module-wide state.
class ModuleCopy {
  public:
    explicit ModuleCopy(const std::string& name) {
        // A path of its own each time: a module still mapped is never overwritten.
        static int copies = 0;
        dir_ = std::filesystem::temp_directory_path() /
               ("quentarb_frame_" + name + "_" + std::to_string(::getpid()) + "_" + std::to_string(++copies));
        std::filesystem::create_directories(dir_);
        std::filesystem::copy_file(Host::defaultModulePath(), modulePath(),
                                   std::filesystem::copy_options::overwrite_existing);
        std::ifstream in(std::filesystem::path(Host::defaultModulePath()).replace_extension(".rsrc"));
        resources_ = nlohmann::json::parse(in);
    }
    ~ModuleCopy() {
        std::error_code ignored;
        std::filesystem::remove_all(dir_, ignored);
    }
    nlohmann::json& resources() { return resources_; }
    std::string modulePath() const { return (dir_ / "ZU41_QuenTarb.so").string(); }
    std::unique_ptr<Host> load() {
        std::ofstream(dir_ / "ZU41_QuenTarb.rsrc") << resources_.dump();
        auto host = std::make_unique<Host>();
        EXPECT_EQ(host->loadModule(modulePath()), kNoErr);
        return host;
    }

  private:
    std::filesystem::path dir_;
    nlohmann::json resources_;
};

TEST(FrameErrorList, TemplatesAreFoundByTheListRules) {
    const std::string longTemplate(125, 'x');
    struct Row {
        nlohmann::json list;  // null: no list 16050 at all
        ASErr error;
        std::vector<std::string> alerts;
        const char* why;
    };
    const nlohmann::json list = {"1000", "decimal %s", "-5",   "negative %s",
                                 "DOC?", "code %s",    "LAST", "last %s"};
    const std::vector<Row> rows = {
        {nullptr, kInjectedFaultErr, {}, "without the list nothing is shown"},
        {list, 1000, {"decimal 1000"}, "a decimal key"},
        {list, -5, {"negative -5"}, "a negative decimal key"},
        {list, kNoDocumentErr, {"code DOC?"}, "a four-character key"},
        {list, 7, {"last 7"}, "no match: the last template"},
        {{"ABCD", "first %s", "", "", "FLT!", "never %s"},
         kInjectedFaultErr,
         {"first FLT!"},
         "the scan stops at the first empty key"},
        {{"FLT!", ""}, kInjectedFaultErr, {}, "an empty template shows nothing"},
        {{"FLT!", longTemplate + "%s"},
         kInjectedFaultErr,
         {longTemplate + "%s"},
         "120 characters or more: as is"},
        {{"FLT!", std::string(117, 'y') + "%s"},
         kInjectedFaultErr,
         {std::string(117, 'y') + "FLT!"},
         "119 characters: formatted"},
        {{"FLT!", "100%% of %d, %s"},
         kInjectedFaultErr,
         {"100% of %d, FLT!"},
         "only %s takes the error; other conversions are copied"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.why);
        ModuleCopy copy("errors");
        auto& strings = copy.resources()["indexStrings"];
        if (row.list.is_null())
            strings.erase("16050");
        else
            strings["16050"] = row.list;
        auto host = copy.load();
        ASSERT_EQ(host->startup(), kNoErr);
        EXPECT_EQ(failMouseUp(*host, row.error), row.error);
        EXPECT_EQ(host->records().alerts, row.alerts);
        EXPECT_EQ(host->shutdown(), kNoErr);
    }
}

TEST(FrameErrorList, AnUnusableToolIconFailsStartup) {
    // Bytes that are not a PNG image, and no image at all.
    for (const nlohmann::json& image : {nlohmann::json("bm90IGEgUE5HIGltYWdl"), nlohmann::json()}) {
        SCOPED_TRACE(image.dump());
        ModuleCopy copy("icon");
        if (image.is_null())
            copy.resources()["images"].erase("16051");
        else
            copy.resources()["images"]["16051"] = image;
        auto host = copy.load();
        EXPECT_EQ(host->startup(), kBadToolIconErr);
        EXPECT_TRUE(host->records().tools.empty());
        EXPECT_EQ(host->records().alerts,
                  std::vector<std::string>{"The QuenTarb tool icon could not be loaded (!ico)."});
        EXPECT_TRUE(host->records().suitesHeld.empty());
    }
}

}  // namespace
