// quentarb as a user runs it, in its own process: for every kind of bad input, failure and
// stream, the exit status, the one line on standard error, the output file left as it was (or
// never created), and no temporary file left behind.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>
#include <thread>

#include "cli_process.h"

namespace {

namespace fs = std::filesystem;

qttest::ProcessRun command(std::vector<std::string> args) {
    qttest::ProcessRun run;
    run.args = std::move(args);
    return run;
}

constexpr const char* kOld = "the user's old file";

class CliProcess : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        std::replace(name.begin(), name.end(), '/', '-');
        dir_ = fs::temp_directory_path() / ("quentarb-process-" + std::to_string(getpid()) + "-" + name);
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        write("old.json", kOld);
        write("gesture.json",
              R"({"events": [{"type": "down", "at": [100, 100]}, {"type": "drag", "at": [200, 150]},
                                             {"type": "up"}]})");
        write("held.json",
              R"({"events": [{"type": "down", "at": [100, 100]}, {"type": "drag", "at": [200, 150]}]})");
        fs::create_symlink("gesture.json", dir_ / "link-to-gesture.json");
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string path(const std::string& name) const { return (dir_ / name).string(); }
    void write(const std::string& name, const std::string& text) const {
        std::ofstream(path(name), std::ios::binary) << text;
    }
    std::string read(const std::string& name) const {
        std::ifstream in(path(name), std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }
    // Names of temporary files the program left in the folder.
    std::vector<std::string> leftovers() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::recursive_directory_iterator(dir_)) {
            std::string name = entry.path().filename().string();
            if (name.rfind(".qt", 0) == 0) names.push_back(name);
        }
        return names;
    }

    fs::path dir_;
};

// What the output file must look like after the run.
enum class Out { untouched, absent, written };

struct Case {
    const char* name;
    std::vector<std::string> args;  // "@NAME" is the file NAME in the test's folder
    int status;
    std::string message;  // a fragment of the one line on standard error
    std::string out;      // the output file (or folder) checked; "" none
    Out expect;
    std::string stdoutPath = "/dev/null";  // a file, qttest::kClosed or qttest::kPipeWithoutReader
    std::vector<std::pair<std::string, std::string>> env = {};
    std::string limits = "";  // run by the shell before the program ("ulimit -f 4")
    bool underSanitizers =
        true;  // false: skipped in the sanitizer build (ulimit -v, an impossible allocation)
};

void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }

const std::string kLongName = std::string(245, 'n') + ".json";  // 250 bytes: the most a name may be

// Gesture files of the rows, made when a row names them.
std::string heavyDragsThen(const std::string& lastEvent) {
    std::string text = R"({"events": [{"type": "set", "option": "trailvalue_0", "value": 1},
        {"type": "set", "option": "horizontalcopiesvalue_0", "value": 300},
        {"type": "set", "option": "verticalcopiesvalue_0", "value": 300}, {"type": "down", "at": [10, 10]})";
    for (int i = 0; i < 120; ++i) text += R"(, {"type": "drag", "at": [)" + std::to_string(20 + i) + ", 30]}";
    return text + R"(, {"type": "up"}, )" + lastEvent + "]}";
}

std::string repeated(const std::string& head, const std::string& each, int times, const std::string& tail) {
    std::string text = head;
    for (int i = 0; i < times; ++i) text += (i ? ", " : "") + each;
    return text + tail;
}

const std::map<std::string, std::function<std::string()>>& gestureFiles() {
    static const std::map<std::string, std::function<std::string()>> files = {
        {"nul.json", [] { return std::string("{\"events\": []}") + '\0'; }},
        {"nul-garbage.json", [] { return std::string("{\"events\": []}") + '\0' + "\x01garbage{"; }},
        {"latin1.json",
         [] {
             return std::string("{\"events\": [{\"type\": \"set\", \"option\": \"caf\xe9\", \"value\": 1}]}");
         }},
        {"surrogate.json", [] { return std::string("{\"events\": []} \xed\xa0\x80"); }},
        {"set-unknown.json",
         [] { return heavyDragsThen(R"({"type": "set", "option": "nosuchoption", "value": 1})"); }},
        {"set-bool.json",
         [] { return heavyDragsThen(R"({"type": "set", "option": "closedpath", "value": "maybe"})"); }},
        {"set-popup.json",
         [] { return heavyDragsThen(R"({"type": "set", "option": "checkoptions_0", "value": 99})"); }},
        {"set-int.json",
         [] { return heavyDragsThen(R"({"type": "set", "option": "copiesvalue_8", "value": "abc"})"); }},
        {"set-no-control.json",
         [] { return heavyDragsThen(R"({"type": "set", "option": "trailvalue_10", "value": 0})"); }},
        {"tool-bad.json", [] { return heavyDragsThen(R"({"type": "tool", "tool": 13})"); }},
        {"shape-bad.json", [] { return heavyDragsThen(R"({"type": "shape", "shape": 24})"); }},
        {"ups.json",
         [] {
             return repeated(R"({"events": [{"type": "down", "at": [1, 1]}, )", R"({"type": "up"})", 1000000,
                             "]}");
         }},
        {"drags.json",
         [] {
             return repeated(R"({"events": [{"type": "down", "at": [1, 1]}, )",
                             R"({"type": "drag", "at": [2, 2]})", 1000000, R"(, {"type": "up"}]})");
         }},
        {"zeros.json", [] { return std::string(5000000, '\0'); }},
    };
    return files;
}

// The draw flags that take a value, for the rows of a missing and an empty value.
const std::vector<std::string> kValueFlags = {
    "tool",        "shape",         "set",      "from",         "to",        "steps",
    "gesture",     "modifiers",     "pressure", "seed",         "page",      "view",
    "color-model", "fill",          "stroke",   "stroke-width", "max-steps", "max-gesture-bytes",
    "max-art",     "max-png-pixels"};

std::vector<Case> cases() {
    const std::string module = qttest::buildPath("ZU41_QuenTarb.so");
    const std::string noStart = qttest::buildPath("fixture_modules/refusing_module.so");
    const std::vector<std::string> heavy = {"--set",   "trailvalue_0=1",
                                            "--set",   "horizontalcopiesvalue_0=300",
                                            "--set",   "verticalcopiesvalue_0=300",
                                            "--steps", "6"};
    auto with = [](std::vector<std::string> a, const std::vector<std::string>& b) {
        a.insert(a.end(), b.begin(), b.end());
        return a;
    };
    const std::pair<std::string, std::string> noModule = {"QUENTARB_MODULE", "/nonexistent/module.so"};
    // One row per line or two, as a table reads.
    // clang-format off
    std::vector<Case> list = {
        // Limits the input already shows.
        {"StepsOverTheLimit", {"draw", "--steps", "2147483647", "--out", "@new.json"}, 2, "raise it with --max-steps", "new.json", Out::absent},
        {"StepsOverAGivenLimit", {"draw", "--steps", "200001", "--max-steps", "100000", "--out", "@old.json"}, 2,
         "over the limit of 100000", "old.json", Out::untouched},
        {"GestureFromADevice", {"draw", "--gesture", "/dev/zero", "--out", "@old.json"}, 2, "raise the limit with --max-gesture-bytes",
         "old.json", Out::untouched},
        // A gesture's own drags are what --max-steps limits, not the default --steps.
        {"GestureUnderASmallStepLimit", {"draw", "--gesture", "@gesture.json", "--max-steps", "1", "--out", "@new.json"}, 0, "",
         "new.json", Out::written},
        {"GestureOverItsSize", {"draw", "--gesture", "@gesture.json", "--max-gesture-bytes", "10", "--out", "@new.json"}, 2,
         "larger than 10 bytes", "new.json", Out::absent},
        {"PngTooLarge", {"draw", "--page", "100000,100000", "--out", "@p.png"}, 2, "too large for a PNG", "p.png", Out::absent},
        {"PngOverItsPixels", {"draw", "--page", "20000,20000", "--out", "@p.png"}, 2, "raise it with --max-png-pixels", "p.png", Out::absent},
        {"ArtLimitMidRun", {"draw", "--set", "trailvalue_0=1", "--steps", "20", "--max-art", "300", "--out", "@old.json"}, 3,
         "art objects, its limit; raise it with --max-art", "old.json", Out::untouched},
        // Standard output full, closed, or a pipe whose reader is gone.
        {"StdoutFull", {"draw", "--out", "-"}, 3, "cannot write to standard output: No space left on device", "", Out::absent, "/dev/full"},
        {"StdoutClosed", {"draw", "--out", "-"}, 3, "cannot write to standard output: it is closed", "", Out::absent, qttest::kClosed},
        {"StdoutNoReader", {"draw", "--out", "-"}, 3, "cannot write to standard output: Broken pipe", "", Out::absent,
         qttest::kPipeWithoutReader},
        {"OptionsStdoutFull", {"options", "--json"}, 3, "cannot write to standard output", "", Out::absent, "/dev/full"},
        {"OptionsStdoutClosed", {"options"}, 3, "cannot write to standard output", "", Out::absent, qttest::kClosed},
        {"OptionsStdoutNoReader", {"options", "--json"}, 3, "cannot write to standard output: Broken pipe", "", Out::absent,
         qttest::kPipeWithoutReader},
        {"HelpStdoutFull", {"draw", "--help"}, 3, "cannot write to standard output", "", Out::absent, "/dev/full"},
        {"HelpStdoutNoReader", {"draw", "--help"}, 3, "cannot write to standard output", "", Out::absent, qttest::kPipeWithoutReader},
        {"GalleryStdoutNoReader", {"gallery", "--out", "@gallery"}, 3, "cannot write to standard output: Broken pipe", "",
         Out::absent, qttest::kPipeWithoutReader},
        // A file-size limit: the write fails with EFBIG, it is not a death by SIGXFSZ.
        {"FileSizeLimitJson", {"draw", "--set", "trailvalue_0=1", "--out", "@old.json"}, 3, "cannot write '", "old.json",
         Out::untouched, "/dev/null", {}, "ulimit -f 4"},
        {"FileSizeLimitPng", {"draw", "--out", "@old.png"}, 3, "cannot write '", "old.png", Out::untouched, "/dev/null", {},
         "ulimit -f 2"},
        {"FileSizeLimitPdf", {"draw", "--set", "trailvalue_0=1", "--steps", "20", "--out", "@old.pdf"}, 3, "cannot write '",
         "old.pdf", Out::untouched, "/dev/null", {}, "ulimit -f 2"},
        {"FileSizeLimitGallery", {"gallery", "--out", "@gallery"}, 3, "cannot write '", "", Out::absent, "/dev/null", {},
         "ulimit -f 2"},
        // A small address space: the gesture reader refuses what it can before it runs out,
        // and running out is status 3, never an abort.
        {"AddressSpaceMillionUps", {"draw", "--gesture", "@ups.json", "--out", "@old.json"}, 2,
         "gesture event 2: an up with no down before it", "old.json", Out::untouched, "/dev/null", {}, "ulimit -v 200000", false},
        {"AddressSpaceMillionDrags", {"draw", "--gesture", "@drags.json", "--out", "@old.json"}, 2,
         "drag events: 1000000 is over the limit of 100000", "old.json", Out::untouched, "/dev/null", {}, "ulimit -v 200000",
         false},
        {"AddressSpaceZeros", {"draw", "--gesture", "@zeros.json", "--out", "@old.json"}, 2, "byte 0 is a NUL byte", "old.json",
         Out::untouched, "/dev/null", {}, "ulimit -v 40000", false},
        {"AddressSpaceTooSmallForTheGesture", {"draw", "--gesture", "@drags.json", "--max-steps", "2000000", "--out", "@old.json"},
         3, "quentarb draw: out of memory", "old.json", Out::untouched, "/dev/null", {}, "ulimit -v 40000", false},
        {"AddressSpaceTooSmallForTheDrawing", with({"draw"}, with(heavy, {"--out", "@old.json"})), 3,
         "quentarb draw: out of memory", "old.json", Out::untouched, "/dev/null", {}, "ulimit -v 100000", false},
        // The plug-in's heap runs out as it starts, its own or the host's blocks: the host ends
        // the run, whatever the plug-in answered and whoever named the module.
        {"PluginHeapRunsOut", {"draw", "--out", "@old.json"}, 3, "quentarb draw: out of memory", "old.json",
         Out::untouched, "/dev/null", {{"QUENTARB_MODULE", noStart}, {"QT_REFUSE_AS", "heap"}}, "", false},
        {"HostBlocksRunOut", {"draw", "--out", "@old.json"}, 3, "quentarb draw: out of memory", "old.json",
         Out::untouched, "/dev/null",
         {{"QUENTARB_MODULE", noStart}, {"QT_REFUSE_AS", "blocks"}}, "", false},
        // Bad values, shown escaped.
        {"ToolWithANewline", {"draw", "--tool", "x\ny", "--out", "@new.json"}, 2, "--tool: 'x\\ny' is not a tool", "new.json", Out::absent},
        {"MaxArtZero", {"draw", "--max-art", "0", "--out", "@new.json"}, 2, "--max-art: '0' is not 1 to", "new.json", Out::absent},
        {"SeedInHex", {"draw", "--seed", "0x10", "--out", "@new.json"}, 2, "--seed: '0x10' is not a whole number", "new.json", Out::absent},
        {"StepsInHex", {"draw", "--steps", "0x10", "--out", "@new.json"}, 2, "--steps: '0x10'", "new.json", Out::absent},
        {"ModifiersInHex", {"draw", "--modifiers", "0x20", "--out", "@new.json"}, 0, "", "new.json", Out::written},
        {"EmptyWithAnEqualsSign", {"draw", "--view=", "--out", "@new.json"}, 2, "quentarb draw: --view: the value is empty",
         "new.json", Out::absent},
        {"GalleryOutEmpty", {"gallery", "--out", ""}, 2, "quentarb gallery: --out: the value is empty", "", Out::absent},
        {"OptionsToolEmpty", {"options", "--tool", ""}, 2, "quentarb options: --tool: the value is empty", "", Out::absent},
        {"OutAtTheEnd", {"draw", "--out"}, 2, "quentarb draw: --out: the value is missing", "", Out::absent},
        {"GalleryOutMissing", {"gallery", "--out"}, 2, "quentarb gallery: --out: the value is missing", "", Out::absent},
        // Gesture files.
        {"GestureAndFrom", {"draw", "--gesture", "@gesture.json", "--from", "1,1", "--out", "@new.json"}, 2,
         "either a gesture file or --from", "new.json", Out::absent},
        {"GestureAndSteps", {"draw", "--gesture", "@gesture.json", "--steps", "3", "--out", "@new.json"}, 2,
         "either a gesture file or --from", "new.json", Out::absent},
        {"OutIsTheGesture", {"draw", "--gesture", "@gesture.json", "--out", "@gesture.json"}, 2, "is the gesture file",
         "gesture.json", Out::untouched},
        {"OutIsALinkToTheGesture", {"draw", "--gesture", "@gesture.json", "--out", "@link-to-gesture.json"}, 2,
         "is the gesture file", "gesture.json", Out::untouched},
        {"GestureHeldDown", {"draw", "--gesture", "@held.json", "--out", "@new.json"}, 0,
         "warning: the gesture ends with the mouse down; the host sent the mouse-up", "new.json", Out::written},
        {"AWarningAndAnErrorAreOneLine", {"draw", "--gesture", "@held.json", "--max-art", "1", "--out", "@old.json"}, 3,
         "its limit; raise it with --max-art", "old.json", Out::untouched},
        {"GestureWithANulByte", {"draw", "--gesture", "@nul.json", "--out", "@new.json"}, 2,
         "gesture file: byte 14 is a NUL byte", "new.json", Out::absent},
        {"GestureWithANulByteAndGarbage", {"draw", "--gesture", "@nul-garbage.json", "--out", "@new.json"}, 2,
         "gesture file: byte 14 is a NUL byte", "new.json", Out::absent},
        {"GestureInLatin1", {"draw", "--gesture", "@latin1.json", "--out", "@new.json"}, 2,
         "gesture file: byte 42 is not UTF-8", "new.json", Out::absent},
        {"GestureWithASurrogate", {"draw", "--gesture", "@surrogate.json", "--out", "@new.json"}, 2,
         "gesture file: byte 15 is not UTF-8", "new.json", Out::absent},
        // A bad event after 120 heavy drags is refused before any work: before the host starts,
        // so the module (here one that does not exist) is never reached.
        {"SetUnknownAfterDrags", {"draw", "--gesture", "@set-unknown.json", "--out", "@old.json"}, 2,
         "gesture event 125: set: unknown option 'nosuchoption'", "old.json", Out::untouched, "/dev/null", {noModule}},
        {"SetBoolAfterDrags", {"draw", "--gesture", "@set-bool.json", "--out", "@old.json"}, 2,
         "gesture event 125: set closedpath: 'maybe' is not 0, 1, true or false", "old.json", Out::untouched, "/dev/null",
         {noModule}},
        {"SetPopupAfterDrags", {"draw", "--gesture", "@set-popup.json", "--out", "@old.json"}, 2,
         "gesture event 125: set checkoptions_0: 99 is not an entry of the popup (0 to 9)", "old.json", Out::untouched,
         "/dev/null", {noModule}},
        {"SetIntAfterDrags", {"draw", "--gesture", "@set-int.json", "--out", "@old.json"}, 2,
         "gesture event 125: set copiesvalue_8: 'abc' is not a whole number", "old.json", Out::untouched, "/dev/null",
         {noModule}},
        {"SetWithoutAControlAfterDrags", {"draw", "--gesture", "@set-no-control.json", "--out", "@old.json"}, 2,
         "gesture event 125: set trailvalue_10: this option has no control", "old.json", Out::untouched, "/dev/null",
         {noModule}},
        {"ToolAfterDrags", {"draw", "--gesture", "@tool-bad.json", "--out", "@old.json"}, 2,
         "gesture event 125: \"tool\" must be 0 to 12", "old.json", Out::untouched, "/dev/null", {noModule}},
        {"ShapeAfterDrags", {"draw", "--gesture", "@shape-bad.json", "--out", "@old.json"}, 2,
         "gesture event 125: \"shape\" must be 0 to 23", "old.json", Out::untouched, "/dev/null", {noModule}},
        {"SetFlagBeforeTheHost", {"draw", "--set", "closedpath=maybe", "--out", "@old.json"}, 2,
         "--set closedpath: 'maybe' is not 0, 1, true or false", "old.json", Out::untouched, "/dev/null", {noModule}},
        // The environment.
        {"ProgressDelayNotANumber", {"draw", "--out", "@new.json"}, 2, "QUENTARB_PROGRESS_AFTER_MS: 'abc' is not a whole number",
         "new.json", Out::absent, "/dev/null", {{"QUENTARB_PROGRESS_AFTER_MS", "abc"}}},
        {"ProgressDelayHuge", {"draw", "--out", "@new.json"}, 0, "", "new.json", Out::written, "/dev/null",
         {{"QUENTARB_PROGRESS_AFTER_MS", "99999999999999999999"}}},
        {"FailCallNegative", {"draw", "--out", "@new.json"}, 2, "QUENTARB_FAIL_CALL: '-1' is not 0 to", "new.json", Out::absent,
         "/dev/null", {{"QUENTARB_FAIL_CALL", "-1"}}},
        // Modules: missing, cut short, not a module, or one that will not start.
        {"ModuleMissing", {"draw", "--out", "@old.json"}, 2, "QUENTARB_MODULE: cannot load the plug-in", "old.json", Out::untouched,
         "/dev/null", {noModule}},
        {"ModuleCutAt1000", {"draw", "--out", "@old.json"}, 2, "cut-1000.so': the file is cut short", "old.json", Out::untouched,
         "/dev/null", {{"QUENTARB_MODULE", "@cut-1000.so"}}},
        {"ModuleCutAt20000", {"draw", "--out", "@old.json"}, 2, "cut-20000.so': the file is cut short", "old.json",
         Out::untouched, "/dev/null", {{"QUENTARB_MODULE", "@cut-20000.so"}}},
        {"ModuleNotAModule", {"draw", "--out", "@old.json"}, 2, "text.so': it is not a shared object", "old.json",
         Out::untouched, "/dev/null", {{"QUENTARB_MODULE", "@text.so"}}},
        {"ModuleWillNotStart", {"draw", "--out", "@old.json"}, 2,
         "QUENTARB_MODULE: the plug-in '" + noStart + "' did not start: error", "old.json", Out::untouched, "/dev/null",
         {{"QUENTARB_MODULE", noStart}}},
        {"OwnModuleWillNotStart", {"draw", "--out", "@old.json"}, 3, "quentarb draw: the plug-in '" + noStart + "' did not start",
         "old.json", Out::untouched, "/dev/null", {{"QT_MODULE_PATH", noStart}}},
        {"GalleryModuleMissing", {"gallery", "--out", "@gallery-new"}, 2, "quentarb gallery: QUENTARB_MODULE: cannot load",
         "gallery-new", Out::absent, "/dev/null", {noModule}},
        {"GalleryModuleCut", {"gallery", "--out", "@gallery-new"}, 2, "the file is cut short", "gallery-new", Out::absent,
         "/dev/null", {{"QUENTARB_MODULE", "@cut-20000.so"}}},
        // Names and folders.
        {"LongestName", {"draw", "--out", "@" + kLongName}, 0, "", kLongName, Out::written},
        {"GalleryInAFolderThatCannotBe", {"gallery", "--out", "/proc/quentarb-gallery"}, 2,
         "cannot write into '/proc/quentarb-gallery'", "", Out::absent},
    };
    // clang-format on
    // Every draw flag that takes a value: missing before the next flag, and empty.
    for (const std::string& flag : kValueFlags) {
        list.push_back({"missing",
                        {"draw", "--" + flag, "--out", "@new.json"},
                        2,
                        "quentarb draw: --" + flag + ": the value is missing",
                        "new.json",
                        Out::absent});
        list.push_back({"empty",
                        {"draw", "--" + flag, "", "--out", "@new.json"},
                        2,
                        "quentarb draw: --" + flag + ": the value is empty",
                        "new.json",
                        Out::absent});
    }
    list.push_back(
        {"empty", {"draw", "--out", ""}, 2, "quentarb draw: --out: the value is empty", "", Out::absent});
    return list;
}

std::string caseName(const ::testing::TestParamInfo<Case>& info) {
    std::string name = info.param.name;
    if (name == "missing" || name == "empty") {
        for (const std::string& a : info.param.args) {
            if (a.rfind("--", 0) != 0 || a == "--out") continue;
            name += "_";
            for (char c : a.substr(2)) name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
            break;
        }
        if (name.find('_') == std::string::npos) name += "_out";
    }
    return name;
}

class CliCase : public CliProcess, public ::testing::WithParamInterface<Case> {
  protected:
    std::string resolve(const std::string& a) const { return a.rfind('@', 0) == 0 ? path(a.substr(1)) : a; }

    // The files a row names that are made for it: gesture files and modules.
    void makeFixtures(const Case& c) {
        std::vector<std::string> named;
        for (const std::string& a : c.args) named.push_back(a);
        for (const auto& [key, value] : c.env) named.push_back(value);
        for (const std::string& a : named) {
            if (a.rfind('@', 0) != 0) continue;
            const std::string file = a.substr(1);
            if (auto it = gestureFiles().find(file); it != gestureFiles().end()) write(file, it->second());
            if (file.rfind("cut-", 0) == 0 || file == "text.so") {
                const std::string module = read(qttest::buildPath("ZU41_QuenTarb.so"), true);
                ASSERT_GT(module.size(), 20000u);
                write(file, file == "text.so" ? std::string("not a module\n")
                                              : module.substr(0, std::stoul(file.substr(4))));
                const std::string base = file.substr(0, file.size() - 3);
                write(base + ".rsrc", read(qttest::buildPath("ZU41_QuenTarb.rsrc"), true));
            }
        }
    }
    static std::string read(const std::string& file, bool) {
        std::ifstream in(file, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }
    using CliProcess::read;
};

TEST_P(CliCase, HasItsStatusItsOneLineAndLeavesNothingBehind) {
    const Case& c = GetParam();
    if (!c.underSanitizers && qttest::kAddressSanitizer) GTEST_SKIP() << "not under the address sanitizer";
    makeFixtures(c);
    write("old.png", kOld);
    write("old.pdf", kOld);
    std::string where;
    qttest::ProcessRun run;
    for (const std::string& a : c.args) {
        run.args.push_back(resolve(a));
        where += " " + a;
    }
    run.stdoutPath = c.stdoutPath;
    for (const auto& [name, value] : c.env) run.env.emplace_back(name, resolve(value));
    run.limits = c.limits;
    const std::string gestureBefore = read("gesture.json");

    const qttest::ProcessResult r = qttest::runProcess(run);
    ASSERT_FALSE(r.timedOut) << where;
    EXPECT_EQ(r.status, c.status) << where << "\n" << r.err;
    EXPECT_NE(r.err.find(c.message), std::string::npos) << where << ": expected \"" << c.message << "\" in\n"
                                                        << r.err;
    if (c.status > 1) {
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << where << ": one line\n" << r.err;
    }
    if (!c.out.empty()) {
        const std::string before = c.out == "gesture.json" ? gestureBefore : kOld;
        switch (c.expect) {
            case Out::untouched: {
                const std::string now = read(c.out);
                EXPECT_TRUE(now == before) << where << ": the output changed (" << now.size() << " bytes)";
                break;
            }
            case Out::absent: EXPECT_FALSE(fs::exists(path(c.out))) << where; break;
            case Out::written: EXPECT_EQ(read(c.out).substr(0, 1), "{") << where; break;
        }
    }
    EXPECT_TRUE(fs::is_symlink(path("link-to-gesture.json"))) << where;
    EXPECT_EQ(leftovers(), std::vector<std::string>{}) << where;
}

INSTANTIATE_TEST_SUITE_P(Rows, CliCase, ::testing::ValuesIn(cases()), caseName);

// A gesture left with the mouse down draws as the same gesture with its up.
TEST_F(CliProcess, AGestureEndingWithTheMouseDownGetsTheHostsMouseUp) {
    qttest::ProcessRun held =
        command({"draw", "--gesture", path("held.json"), "--out", path("held-out.json")});
    write("closed.json",
          R"({"events": [{"type": "down", "at": [100, 100]}, {"type": "drag", "at": [200, 150]},
                                        {"type": "up"}]})");
    qttest::ProcessRun closed =
        command({"draw", "--gesture", path("closed.json"), "--out", path("closed-out.json")});
    ASSERT_EQ(qttest::runProcess(held).status, 0);
    const qttest::ProcessResult c = qttest::runProcess(closed);
    ASSERT_EQ(c.status, 0);
    EXPECT_EQ(c.err, "") << "no warning for a finished gesture";
    EXPECT_EQ(read("held-out.json"), read("closed-out.json"));
}

// An output name that is a link: the link is replaced by the new file; the file it pointed
// to is never written through.
TEST_F(CliProcess, AnOutputThatIsALinkIsReplacedNotWrittenThrough) {
    write("victim.json", kOld);
    fs::create_symlink("victim.json", dir_ / "out.json");
    ASSERT_EQ(qttest::runProcess(command({"draw", "--out", path("out.json")})).status, 0);
    EXPECT_EQ(read("victim.json"), kOld);
    EXPECT_FALSE(fs::is_symlink(path("out.json")));
    EXPECT_EQ(read("out.json").substr(0, 1), "{");
}

// Same input, same bytes: the PDF's creation date is fixed, or SOURCE_DATE_EPOCH's.
TEST_F(CliProcess, APdfIsTheSameBytesEveryRun) {
    ASSERT_EQ(qttest::runProcess(command({"draw", "--out", path("a.pdf")})).status, 0);
    std::this_thread::sleep_for(std::chrono::milliseconds(1100));  // a clock date would now differ
    ASSERT_EQ(qttest::runProcess(command({"draw", "--out", path("b.pdf")})).status, 0);
    EXPECT_EQ(read("a.pdf"), read("b.pdf"));
    EXPECT_NE(read("a.pdf").find("/CreationDate (20000101000000Z)"), std::string::npos);
    qttest::ProcessRun epoch = command({"draw", "--out", path("c.pdf")});
    epoch.env = {{"SOURCE_DATE_EPOCH", "1700000000"}};
    ASSERT_EQ(qttest::runProcess(epoch).status, 0);
    EXPECT_NE(read("c.pdf").find("/CreationDate (20231114221320Z)"), std::string::npos);
}

// SIGTERM at many points of a large write, once a run: before the temporary file exists,
// while it is written, around the rename and after. Where the signal lands depends on the
// clock; what every run must show does not: the target is the old file or the whole new one,
// and no temporary file is left. The 50 points are spread evenly over an undisturbed run's
// time, in five pieces of ten.
class CliSignal : public CliProcess, public ::testing::WithParamInterface<int> {};

TEST_P(CliSignal, ASignalAtAnyPointLeavesTheOldFileOrTheWholeNewOne) {
    constexpr int kRuns = 50, kPieces = 5;
    const std::vector<std::string> args = {"draw",
                                           "--set",
                                           "trailvalue_0=1",
                                           "--set",
                                           "horizontalcopiesvalue_0=100",
                                           "--set",
                                           "verticalcopiesvalue_0=100",
                                           "--steps",
                                           "6",
                                           "--out",
                                           path("big.json")};
    const auto start = std::chrono::steady_clock::now();
    ASSERT_EQ(qttest::runProcess(command(args)).status, 0);
    const auto whole = std::chrono::steady_clock::now() - start;
    const std::string written = read("big.json");
    ASSERT_GT(written.size(), 1000000u) << "a large write";
    int killed = 0, finished = 0;
    for (int run = GetParam() * kRuns / kPieces; run < (GetParam() + 1) * kRuns / kPieces; ++run) {
        write("big.json", kOld);
        const pid_t pid = qttest::startProcess(command(args), -1);
        ASSERT_GT(pid, 0);
        std::this_thread::sleep_for(whole * (2 * run + 1) / (2 * kRuns));
        kill(pid, SIGTERM);
        int status = 0;
        ASSERT_EQ(waitpid(pid, &status, 0), pid);
        if (WIFSIGNALED(status)) {
            EXPECT_EQ(WTERMSIG(status), SIGTERM) << "run " << run << ": dies of the signal, as it would have";
            ++killed;
        } else {
            EXPECT_EQ(WEXITSTATUS(status), 0) << "run " << run;
            ++finished;
        }
        const std::string now = read("big.json");
        EXPECT_TRUE(now == kOld || now == written)
            << "run " << run << ": a target of " << now.size() << " bytes";
        EXPECT_EQ(leftovers(), std::vector<std::string>{}) << "run " << run;
    }
    RecordProperty("killed", killed);
    RecordProperty("finished", finished);
}

INSTANTIATE_TEST_SUITE_P(FiftyPoints, CliSignal, ::testing::Range(0, 5));

}  // namespace

namespace {

// Long work shows progress on a terminal (here one that `script` provides) and nothing when
// standard error is a file.
TEST_F(CliProcess, ProgressOnlyOnATerminal) {
    if (std::system("command -v script >/dev/null 2>&1") != 0) GTEST_SKIP() << "no script(1) for a terminal";
    // Progress from the first event on, so that a short drag shows it.
    const std::vector<std::string> args = {"draw", "--steps", "30", "--out"};
    qttest::ProcessRun plain = command(args);
    plain.env = {{"QUENTARB_PROGRESS_AFTER_MS", "0"}};
    plain.args.push_back(path("plain.json"));
    const qttest::ProcessResult r = qttest::runProcess(plain);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "") << "no progress when standard error is not a terminal";

    std::string line = "QUENTARB_PROGRESS_AFTER_MS=0 " + qttest::quentarbPath();
    for (const std::string& a : args) line += " " + a;
    line += " " + path("tty.json");
    const std::string shell = "script -qec '" + line + "' /dev/null";
    FILE* pipe = popen(shell.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string shown;
    char buffer[4096];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) shown.append(buffer, n);
    ASSERT_EQ(pclose(pipe), 0) << shown;
    EXPECT_NE(shown.find("quentarb: event "), std::string::npos) << shown;
    EXPECT_NE(shown.find(" of 32, "), std::string::npos) << shown;
    EXPECT_NE(shown.find(" art objects, "), std::string::npos) << shown;
    EXPECT_EQ(shown.substr(shown.size() - 4), "\r\033[K") << "the line is cleared at the end";
    EXPECT_EQ(read("plain.json"), read("tty.json"));

    // A delay no clock reaches, in range or past it, is never: no line at all.
    for (const char* never : {"9223372036854775807", "99999999999999999999"}) {
        const std::string quiet = "script -qec 'QUENTARB_PROGRESS_AFTER_MS=" + std::string(never) + " " +
                                  qttest::quentarbPath() + " draw --steps 30 --out " + path("quiet.json") +
                                  "' /dev/null";
        FILE* p = popen(quiet.c_str(), "r");
        ASSERT_NE(p, nullptr);
        std::string text;
        while ((n = fread(buffer, 1, sizeof buffer, p)) > 0) text.append(buffer, n);
        ASSERT_EQ(pclose(p), 0) << text;
        EXPECT_EQ(text, "") << never;
    }
}

}  // namespace
