// Sound output: when the host hands the plug-in points that are not finite, the art it makes
// cannot be drawn; every exporter leaves that art out and writes only finite numbers, and the
// rest of the document is still written.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <limits>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>

#include "export/files/document_file.h"
#include "export/finite.h"
#include "reliability_support.h"

namespace {

namespace fs = std::filesystem;

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

class ReliabilityOutputTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("qt_reliability_" + std::to_string(::getpid()));
        fs::create_directories(dir_);
        session_ = std::make_unique<qtsession::Session>(qthost::HostConfig{});
        session_->selectTool(1);  // drag: ten copies of the drag path
        session_->setOption("trailvalue_1", "1");
    }
    void TearDown() override {
        session_.reset();
        fs::remove_all(dir_);
    }

    // One drag with finite points, then one whose end is not finite (Trail keeps both).
    void drawBoth() {
        qthost::Host& host = session_->host();
        ASSERT_EQ(dragOnce(host, {100.0f, 100.0f}, {200.0f, 160.0f}), kNoErr);
        finiteArt_ = host.document().liveArtCount();
        ASSERT_GT(finiteArt_, 0u);
        host.mouseDown({300.0f, 300.0f});
        host.mouseDrag({std::numeric_limits<AIReal>::quiet_NaN(), 350.0f});
        host.mouseDrag({std::numeric_limits<AIReal>::infinity(), 350.0f});
        host.mouseUp();
    }

    static ASErr dragOnce(qthost::Host& host, AIRealPoint from, AIRealPoint to) {
        ASErr result = host.mouseDown(from);
        if (!result) result = host.mouseDrag(to);
        if (!result) result = host.mouseUp();
        return result;
    }

    fs::path dir_;
    std::unique_ptr<qtsession::Session> session_;
    size_t finiteArt_ = 0;
};

TEST_F(ReliabilityOutputTest, NonFiniteArtIsCountedAndLeftOutOfEveryFormat) {
    drawBoth();
    const qthost::Document& document = session_->host().document();
    const size_t skipped = qtexport::countNonFinite(document);
    ASSERT_GT(skipped, 0u) << "points that are not finite should give art that is not finite";

    const qtexport::RunInfo run{1, session_->host().results().all(), session_->host().records().alerts};
    for (const char* name : {"out.json", "out.svg", "out.pdf", "out.png"}) {
        SCOPED_TRACE(name);
        const fs::path path = dir_ / name;
        ASSERT_NO_THROW(qtexport::writeDocument(document, run, path.string()));
        ASSERT_TRUE(fs::exists(path));
        EXPECT_GT(fs::file_size(path), 0u);
    }

    const std::string json = readFile(dir_ / "out.json");
    for (const char* word : {"nan", "inf"}) EXPECT_EQ(lower(json).find(word), std::string::npos) << word;
    nlohmann::json parsed;
    ASSERT_NO_THROW(parsed = nlohmann::json::parse(json));
    size_t paths = 0;
    for (const auto& layer : parsed["layers"]) {
        for (const auto& art : layer["art"]) paths += art["type"] == "path" ? 1 : 0;
    }
    EXPECT_EQ(paths, finiteArt_) << "exactly the finite drag's art is written";

    const std::string svg = lower(readFile(dir_ / "out.svg"));
    for (const char* word : {"nan", "inf"}) EXPECT_EQ(svg.find(word), std::string::npos) << word;
}

}  // namespace
