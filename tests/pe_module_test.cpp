// The Windows x86 deliverable read statically (python3-pefile through tests/windows/pe_summary.py):
// a PE32 i386 DLL whose only export is PluginMain, needing only system DLLs, with the resources
// the host reads. Skipped until scripts/build-windows.sh has built build/win-i686.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <nlohmann/json.hpp>
#include <set>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using nlohmann::json;

std::string windowsModule(const char* buildDir) {
    if (const char* path = std::getenv("QT_WINDOWS_MODULE");
        path && *path && std::string(buildDir) == "win-i686")
        return path;
    return (fs::path(QT_SOURCE_DIR) / "build" / buildDir / "ZU41_QuenTarb.aip").string();
}

json peSummary(const std::string& path) {
    std::string command =
        "/usr/bin/python3 '" + std::string(QT_SOURCE_DIR) + "/tests/windows/pe_summary.py' '" + path + "'";
    std::string out;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[65536];
        for (size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, n);
        if (pclose(pipe) != 0) out.clear();
    }
    return json::parse(out, nullptr, false);
}

std::vector<unsigned char> bytes(const std::string& hex) {
    std::vector<unsigned char> out;
    for (size_t i = 0; i + 1 < hex.size(); i += 2)
        out.push_back(static_cast<unsigned char>(std::stoi(hex.substr(i, 2), nullptr, 16)));
    return out;
}

uint32_t le(const std::vector<unsigned char>& b, size_t at, size_t size) {
    uint32_t v = 0;
    for (size_t i = 0; i < size && at + i < b.size(); ++i) v |= uint32_t(b[at + i]) << (8 * i);
    return v;
}

std::string key(const json& type, const json& id) { return type.dump() + "/" + id.dump(); }

class PeModule : public ::testing::Test {
  protected:
    void SetUp() override {
        path_ = windowsModule("win-i686");
        if (!fs::exists(path_)) GTEST_SKIP() << path_ << " not built (scripts/build-windows.sh builds it)";
        summary_ = peSummary(path_);
        ASSERT_TRUE(summary_.is_object())
            << "pe_summary.py could not read " << path_ << " (python3-pefile missing?)";
        for (const json& r : summary_["resources"]) resources_[key(r["type"], r["id"])] = r;
    }

    std::vector<unsigned char> resource(const json& type, const json& id) {
        auto it = resources_.find(key(type, id));
        return it == resources_.end() ? std::vector<unsigned char>{}
                                      : bytes(it->second["data"].get<std::string>());
    }

    std::string path_;
    json summary_;
    std::map<std::string, json> resources_;
};

TEST_F(PeModule, IsAPe32I386Dll) {
    EXPECT_EQ(summary_["machine"], 0x14c) << "IMAGE_FILE_MACHINE_I386";
    EXPECT_EQ(summary_["magic"], 0x10b) << "PE32, not PE32+";
    EXPECT_NE(summary_["characteristics"].get<int>() & 0x2000, 0) << "IMAGE_FILE_DLL";
}

TEST_F(PeModule, ExportsOnlyPluginMainAndNeedsOnlySystemDlls) {
    EXPECT_EQ(summary_["exports"], json::array({"PluginMain"}));
    const std::set<std::string> system = {"kernel32.dll", "msvcrt.dll", "user32.dll", "advapi32.dll",
                                          "ntdll.dll"};
    for (std::string dll : summary_["imports"]) {
        for (char& c : dll) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        EXPECT_TRUE(system.count(dll)) << dll << ": not a system DLL (is the C++ runtime linked statically?)";
    }
}

TEST_F(PeModule, CarriesExactlyTheHostsResourcesInLanguage1033) {
    struct Row {
        json type;
        json id;
        const char* what;
    };
    const Row rows[] = {
        {"PIPL", 16000, "property list"},
        {"PNGI", 16051, "tool icon"},
        {"PNGI", 16052, "rollover tool icon"},
        {12, 16001, "group cursor"},
        {1, 1, "the cursor's image"},
        {5, 16201, "options palette frame"},
        {6, 1007, "string block of 16096 to 16111"},
        {16, 1, "version"},
    };
    for (const Row& row : rows) EXPECT_TRUE(resources_.count(key(row.type, row.id))) << row.what;
    EXPECT_EQ(summary_["resources"].size(), std::size(rows)) << "no other resource";
    for (const json& r : summary_["resources"]) EXPECT_EQ(r["language"], 1033) << r["type"] << "/" << r["id"];
}

// The layout is defined in resources/windows/README.md.
TEST_F(PeModule, PropertyListFollowsItsDocumentedLayout) {
    std::vector<unsigned char> pipl = resource("PIPL", 16000);
    ASSERT_GE(pipl.size(), 12u);
    EXPECT_EQ(le(pipl, 0, 4), 1u) << "format version";
    EXPECT_EQ(le(pipl, 4, 4), 0u) << "reserved";
    ASSERT_EQ(le(pipl, 8, 4), 4u) << "property count";
    struct Property {
        const char* key;
        std::string data;
    };
    const Property expected[] = {{"kind", "SPEA"},
                                 {"ivrs", std::string("\x02\0\0\0", 4)},
                                 {"wx86", std::string("PluginMain\0", 11)},
                                 {"pinm", std::string("ZU41_QuenTarb\0", 14)}};
    size_t at = 12;
    for (const Property& p : expected) {
        ASSERT_LE(at + 16, pipl.size()) << p.key;
        EXPECT_EQ(std::string(pipl.begin() + at, pipl.begin() + at + 4), "QTRB") << p.key << ": owner";
        EXPECT_EQ(std::string(pipl.begin() + at + 4, pipl.begin() + at + 8), p.key);
        EXPECT_EQ(le(pipl, at + 8, 4), 0u) << p.key << ": property id";
        size_t length = le(pipl, at + 12, 4);
        ASSERT_EQ(length, p.data.size()) << p.key;
        EXPECT_EQ(std::string(pipl.begin() + at + 16, pipl.begin() + at + 16 + length), p.data) << p.key;
        size_t padded = (length + 3) / 4 * 4;
        for (size_t i = length; i < padded; ++i) EXPECT_EQ(pipl[at + 16 + i], 0) << p.key << ": padding";
        at += 16 + padded;
    }
    EXPECT_EQ(at, pipl.size()) << "nothing after the last property";
}

TEST_F(PeModule, StringsAndCursorHoldTheirValues) {
    // A string block is 16 counted UTF-16 strings; 16100 and 16101 are entries 4 and 5 of block 1007.
    std::vector<unsigned char> block = resource(6, 1007);
    std::vector<std::string> strings;
    for (size_t at = 0; at + 2 <= block.size() && strings.size() < 16;) {
        size_t n = le(block, at, 2);
        std::string s;
        for (size_t i = 0; i < n; ++i) s += static_cast<char>(le(block, at + 2 + 2 * i, 2));
        strings.push_back(s);
        at += 2 + 2 * n;
    }
    ASSERT_EQ(strings.size(), 16u);
    for (size_t i = 0; i < 16; ++i) {
        const char* want = i == 4 ? "<First Mac index is 1>" : i == 5 ? "QuenTarb" : "";
        EXPECT_EQ(strings[i], want) << "string " << 16096 + i;
    }

    std::vector<unsigned char> group = resource(12, 16001);
    ASSERT_EQ(group.size(), 20u) << "a group of one cursor image";
    EXPECT_EQ(le(group, 6, 2), 32u) << "width";
    EXPECT_EQ(le(group, 8, 2), 64u) << "height of both masks";
    EXPECT_EQ(le(group, 12, 2), 1u) << "bits per pixel";
    std::vector<unsigned char> image = resource(1, static_cast<int>(le(group, 18, 2)));
    ASSERT_GE(image.size(), 4u);
    EXPECT_EQ(le(image, 0, 2), 16u) << "hot spot h";
    EXPECT_EQ(le(image, 2, 2), 15u) << "hot spot v";
}

// The x86_64 module that the Wine test runs must carry the very same resources.
TEST_F(PeModule, ResourcesMatchTheX8664BuildTestedUnderWine) {
    std::string other = windowsModule("win-x86_64");
    if (!fs::exists(other)) GTEST_SKIP() << other << " not built";
    json summary = peSummary(other);
    ASSERT_TRUE(summary.is_object());
    EXPECT_EQ(summary["resources"], summary_["resources"]);
    EXPECT_EQ(summary["machine"], 0x8664);
    EXPECT_EQ(summary["exports"], summary_["exports"]);
}

}  // namespace
