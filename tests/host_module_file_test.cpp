// The loader's checks before a module is mapped: the module built here passes, and every way
// a file can be cut short or be for another machine is refused with a reason; the same for a
// PE DLL, on a small one made here and on the Windows deliverable when it has been built.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "host/module_file.h"

namespace {

namespace fs = std::filesystem;
using qthost::ModuleBytes;

ModuleBytes bytesOf(const std::string& text) {
    auto copy = std::make_shared<std::string>(text);
    return {copy->size(), [copy](uint64_t offset, size_t count, unsigned char* out) {
                if (offset > copy->size() || count > copy->size() - offset) return false;
                std::memcpy(out, copy->data() + offset, count);
                return true;
            }};
}

std::string fileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void put(std::string& bytes, size_t offset, uint64_t value, size_t width) {
    for (size_t i = 0; i < width; ++i) bytes[offset + i] = static_cast<char>((value >> (8 * i)) & 0xff);
}

std::string elfProblem(const std::string& bytes) {
    return qthost::elfModuleProblem(bytesOf(bytes), qthost::elfMachineOfThisBuild());
}

TEST(ModuleFile, TheBuiltModulePassesAndEveryCutIsRefused) {
    const std::string module = fileText(std::string(QT_BINARY_DIR) + "/ZU41_QuenTarb.so");
    ASSERT_GT(module.size(), 20000u);
    EXPECT_EQ(elfProblem(module), "");
    EXPECT_EQ(qthost::moduleFileProblem(std::string(QT_BINARY_DIR) + "/ZU41_QuenTarb.so"), "");
    // Cut anywhere short of the last segment's end: in the header, in the program headers,
    // inside a segment.
    for (size_t cut : {0u, 3u, 16u, 40u, 63u, 64u, 100u, 1000u, 20000u}) {
        const std::string problem = elfProblem(module.substr(0, cut));
        EXPECT_NE(problem, "") << "cut at " << cut;
    }
    EXPECT_NE(elfProblem(module.substr(0, 20000)).find("the file is cut short"), std::string::npos);
}

TEST(ModuleFile, AnotherMachineClassByteOrderOrTypeIsRefused) {
    const std::string module = fileText(std::string(QT_BINARY_DIR) + "/ZU41_QuenTarb.so");
    ASSERT_GT(module.size(), 64u);
    const struct {
        size_t offset, width;
        uint64_t value;
        const char* reason;
    } rows[] = {
        {0, 1, 0x7e, "no ELF header"},
        {4, 1, sizeof(void*) == 8 ? 1 : 2, "-bit module"},
        {5, 1, 2, "byte order"},
        {16, 2, 2, "not a shared object (ELF type 2)"},
        {18, 2, qthost::elfMachineOfThisBuild() == 3 ? 62u : 3u, "for another machine"},
    };
    for (const auto& row : rows) {
        std::string spoiled = module;
        put(spoiled, row.offset, row.value, row.width);
        EXPECT_NE(elfProblem(spoiled).find(row.reason), std::string::npos)
            << row.reason << ": " << elfProblem(spoiled);
    }
    EXPECT_NE(elfProblem("not a module\n").find("no ELF header"), std::string::npos);
}

// A DLL of one section: DOS header, PE signature at 0x40, file header, optional header, the
// section table, and the section's data at 0x200.
std::string smallDll(uint16_t machine) {
    const bool pe32plus = machine != 0x14c;
    const size_t optionalSize = pe32plus ? 0xF0 : 0xE0;
    std::string bytes(0x400, '\0');
    bytes[0] = 'M';
    bytes[1] = 'Z';
    put(bytes, 0x3C, 0x40, 4);
    std::memcpy(&bytes[0x40], "PE\0\0", 4);
    put(bytes, 0x44, machine, 2);
    put(bytes, 0x46, 1, 2);  // sections
    put(bytes, 0x54, optionalSize, 2);
    put(bytes, 0x56, 0x2000 | 0x0002, 2);  // a DLL, executable
    put(bytes, 0x58, pe32plus ? 0x20b : 0x10b, 2);
    const size_t section = 0x58 + optionalSize;
    std::memcpy(&bytes[section], ".text", 5);
    put(bytes, section + 16, 0x200, 4);  // raw size
    put(bytes, section + 20, 0x200, 4);  // raw offset
    return bytes;
}

TEST(ModuleFile, APeDllMustBeWholeAndForThisMachine) {
    for (uint16_t machine : {uint16_t{0x14c}, uint16_t{0x8664}}) {
        SCOPED_TRACE(machine);
        const std::string dll = smallDll(machine);
        EXPECT_EQ(qthost::peModuleProblem(bytesOf(dll), machine), "");
        for (size_t cut : {0u, 2u, 0x40u, 0x50u, 0x100u, 0x200u, 0x3FFu}) {
            EXPECT_NE(qthost::peModuleProblem(bytesOf(dll.substr(0, cut)), machine), "") << "cut at " << cut;
        }
        EXPECT_NE(
            qthost::peModuleProblem(bytesOf(dll), machine == 0x14c ? 0x8664 : 0x14c).find("another machine"),
            std::string::npos);
        std::string executable = dll;
        put(executable, 0x56, 0x0002, 2);
        EXPECT_NE(qthost::peModuleProblem(bytesOf(executable), machine).find("an executable"),
                  std::string::npos);
        std::string farSection = dll;
        put(farSection, 0x58 + (machine == 0x14c ? 0xE0 : 0xF0) + 20, 0x300, 4);
        EXPECT_NE(qthost::peModuleProblem(bytesOf(farSection), machine).find("the data of section 0"),
                  std::string::npos);
    }
    EXPECT_NE(qthost::peModuleProblem(bytesOf(std::string("\x7f"
                                                          "ELF",
                                                          4)),
                                      0x14c)
                  .find("no DOS header"),
              std::string::npos);
}

TEST(ModuleFile, TheWindowsDeliverablePassesAndItsCutsAreRefused) {
    const fs::path aip = fs::path(QT_SOURCE_DIR) / "build" / "win-i686" / "ZU41_QuenTarb.aip";
    if (!fs::exists(aip)) GTEST_SKIP() << "build/win-i686 is not built (make windows)";
    const std::string dll = fileText(aip.string());
    EXPECT_EQ(qthost::peModuleProblem(bytesOf(dll), 0x14c), "");
    for (size_t cut : {1000u, 20000u}) {
        EXPECT_NE(qthost::peModuleProblem(bytesOf(dll.substr(0, cut)), 0x14c).find("cut short"),
                  std::string::npos);
    }
}

}  // namespace
