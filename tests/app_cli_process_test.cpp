// quentarb as a user runs it, in its own process: for every kind of bad input, failure and
// stream, the exit status, the one line on standard error, the output file left as it was (or
// never created), and no temporary file left behind.
#include <gtest/gtest.h>

#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
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
        dir_ = fs::temp_directory_path() /
               ("quentarb-process-" + std::to_string(getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        write("old.json", kOld);
        write("gesture.json", R"({"events": [{"type": "down", "at": [100, 100]}, {"type": "drag", "at": [200, 150]},
                                             {"type": "up"}]})");
        write("held.json", R"({"events": [{"type": "down", "at": [100, 100]}, {"type": "drag", "at": [200, 150]}]})");
        write("nul-option.json",
              R"({"events": [{"type": "set", "option": "copies\u0000value", "value": 3}]})");
        fs::create_symlink("gesture.json", dir_ / "link-to-gesture.json");
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string path(const std::string& name) const { return (dir_ / name).string(); }
    void write(const std::string& name, const std::string& text) const { std::ofstream(path(name)) << text; }
    std::string read(const std::string& name) const {
        std::ifstream in(path(name), std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }
    // Names of temporary files the program left in the folder.
    std::vector<std::string> leftovers() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(dir_)) {
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
    std::vector<std::string> args;  // "@NAME" is the file NAME in the test's folder
    int status;
    const char* message;            // a fragment of the one line on standard error
    const char* out;                // the output file checked ("" none)
    Out expect;
    std::string stdoutPath = "/dev/null";  // "" closed
    std::vector<std::pair<std::string, std::string>> env = {};
    long fileSizeLimit = -1;
};

TEST_F(CliProcess, EveryCaseHasItsStatusItsLineAndLeavesNoFileBehind) {
    const std::string longName = std::string(245, 'n') + ".json";  // 250 bytes: the most a name may be
    const std::vector<Case> cases = {
        {{"draw", "--steps", "2147483647", "--out", "@new.json"}, 2, "raise it with --max-steps", "new.json", Out::absent},
        {{"draw", "--steps", "200001", "--max-steps", "100000", "--out", "@old.json"}, 2, "over the limit of 100000",
         "old.json", Out::untouched},
        {{"draw", "--gesture", "/dev/zero", "--out", "@old.json"}, 2, "raise the limit with --max-gesture-bytes",
         "old.json", Out::untouched},
        {{"draw", "--gesture", "@gesture.json", "--max-gesture-bytes", "10", "--out", "@new.json"}, 2,
         "larger than 10 bytes", "new.json", Out::absent},
        {{"draw", "--page", "100000,100000", "--out", "@p.png"}, 2, "too large for a PNG", "p.png", Out::absent},
        {{"draw", "--page", "20000,20000", "--out", "@p.png"}, 2, "raise it with --max-png-pixels", "p.png", Out::absent},
        {{"draw", "--set", "trailvalue_0=1", "--steps", "20", "--max-art", "300", "--out", "@old.json"}, 3,
         "art objects, its limit; raise it with --max-art", "old.json", Out::untouched},
        {{"draw", "--out", "-"}, 3, "cannot write to standard output: No space left on device", "", Out::absent,
         "/dev/full"},
        {{"draw", "--out", "-"}, 3, "cannot write to standard output: it is closed", "", Out::absent, ""},
        {{"options", "--json"}, 3, "cannot write to standard output", "", Out::absent, "/dev/full"},
        {{"options"}, 3, "cannot write to standard output", "", Out::absent, ""},
        {{"draw", "--help"}, 3, "cannot write to standard output", "", Out::absent, "/dev/full"},
        {{"draw", "--set", "trailvalue_0=1", "--out", "@old.json"}, 3, "cannot write", "old.json", Out::untouched,
         "/dev/null", {}, 2000},
        {{"draw", "--out", "@old.png"}, 3, "cannot write", "old.png", Out::absent, "/dev/null", {}, 1000},
        {{"draw", "--tool", "x\ny", "--out", "@new.json"}, 2, "--tool: 'x\\ny' is not a tool", "new.json", Out::absent},
        {{"draw", "--gesture", "@nul-option.json", "--out", "@new.json"}, 2, "unknown option 'copies\\x00value'",
         "new.json", Out::absent},
        {{"draw", "--seed", "", "--out", "@new.json"}, 2, "--seed: '' is not a whole number", "new.json", Out::absent},
        {{"draw", "--stroke-width", "", "--out", "@new.json"}, 2, "--stroke-width: '' is not a number", "new.json",
         Out::absent},
        {{"draw", "--shape", "", "--out", "@new.json"}, 2, "--shape: '' is not a whole number", "new.json", Out::absent},
        {{"draw", "--max-art", "", "--out", "@new.json"}, 2, "--max-art: '' is not a whole number", "new.json",
         Out::absent},
        {{"draw", "--max-art", "0", "--out", "@new.json"}, 2, "--max-art: '0' is not 1 to", "new.json", Out::absent},
        {{"draw", "--seed", "0x10", "--out", "@new.json"}, 2, "--seed: '0x10' is not a whole number", "new.json",
         Out::absent},
        {{"draw", "--steps", "0x10", "--out", "@new.json"}, 2, "--steps: '0x10'", "new.json", Out::absent},
        {{"draw", "--modifiers", "0x20", "--out", "@new.json"}, 0, "", "new.json", Out::written},
        {{"draw", "--gesture", "@gesture.json", "--from", "1,1", "--out", "@new.json"}, 2,
         "either a gesture file or --from", "new.json", Out::absent},
        {{"draw", "--gesture", "@gesture.json", "--steps", "3", "--out", "@new.json"}, 2,
         "either a gesture file or --from", "new.json", Out::absent},
        {{"draw", "--gesture", "@gesture.json", "--out", "@gesture.json"}, 2, "is the gesture file", "gesture.json",
         Out::untouched},
        {{"draw", "--gesture", "@gesture.json", "--out", "@link-to-gesture.json"}, 2, "is the gesture file",
         "gesture.json", Out::untouched},
        {{"draw", "--gesture", "@held.json", "--out", "@new.json"}, 0,
         "warning: the gesture ends with the mouse down; the host sent the mouse-up", "new.json", Out::written},
        {{"draw", "--out", "@old.json"}, 2, "QUENTARB_MODULE: cannot load the plug-in", "old.json", Out::untouched,
         "/dev/null", {{"QUENTARB_MODULE", "/nonexistent/module.so"}}},
        {{"draw", "--out", "@" + longName}, 0, "", longName.c_str(), Out::written},
        {{"gallery", "--out", "/proc/quentarb-gallery"}, 2, "cannot write into '/proc/quentarb-gallery'", "",
         Out::absent},
        {{"gallery", "--out", "@gallery"}, 3, "cannot write", "", Out::absent, "/dev/null", {}, 1000},
    };
    for (const Case& c : cases) {
        std::string where;
        qttest::ProcessRun run;
        for (const std::string& a : c.args) {
            run.args.push_back(a.rfind('@', 0) == 0 ? path(a.substr(1)) : a);
            where += " " + a;
        }
        run.stdoutPath = c.stdoutPath;
        run.env = c.env;
        run.fileSizeLimit = c.fileSizeLimit;
        // Each row starts from the same folder.
        write("old.json", kOld);
        write("old.png", kOld);
        fs::remove(path("new.json"));
        fs::remove(path(longName));
        const std::string gestureBefore = read("gesture.json");

        const qttest::ProcessResult r = qttest::runProcess(run);
        ASSERT_FALSE(r.timedOut) << where;
        EXPECT_EQ(r.status, c.status) << where << "\n" << r.err;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << where << ": expected \"" << c.message << "\" in\n" << r.err;
        if (c.status != 0) {
            EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << where << ": one line\n" << r.err;
        }
        const std::string out = c.out;
        if (!out.empty()) {
            const std::string before = out == "gesture.json" ? gestureBefore : kOld;
            switch (c.expect) {
                case Out::untouched: EXPECT_EQ(read(out), before) << where; break;
                case Out::absent:
                    if (out.rfind("old.", 0) == 0) {
                        EXPECT_EQ(read(out), kOld) << where;
                    } else {
                        EXPECT_FALSE(fs::exists(path(out))) << where;
                    }
                    break;
                case Out::written: EXPECT_EQ(read(out).substr(0, 1), "{") << where; break;
            }
        }
        EXPECT_TRUE(fs::is_symlink(path("link-to-gesture.json"))) << where;
        EXPECT_EQ(leftovers(), std::vector<std::string>{}) << where;
        if (fs::exists(path("gallery"))) {
            for (const auto& entry : fs::directory_iterator(path("gallery"))) {
                EXPECT_NE(entry.path().filename().string().rfind(".qt", 0), 0u) << where << ": " << entry.path();
            }
        }
    }
}

// A gesture left with the mouse down draws as the same gesture with its up.
TEST_F(CliProcess, AGestureEndingWithTheMouseDownGetsTheHostsMouseUp) {
    qttest::ProcessRun held = command({"draw", "--gesture", path("held.json"), "--out", path("held-out.json")});
    write("closed.json", R"({"events": [{"type": "down", "at": [100, 100]}, {"type": "drag", "at": [200, 150]},
                                        {"type": "up"}]})");
    qttest::ProcessRun closed = command({"draw", "--gesture", path("closed.json"), "--out", path("closed-out.json")});
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

// SIGTERM while the output is being written: the temporary file goes with the process.
TEST_F(CliProcess, ATerminatedRunLeavesNoTemporaryFile) {
    const std::string program = qttest::quentarbPath();
    const std::string out = path("big.json");
    pid_t pid = fork();
    if (pid == 0) {
        execl(program.c_str(), program.c_str(), "draw", "--set", "trailvalue_0=1", "--set",
              "horizontalcopiesvalue_0=300", "--set", "verticalcopiesvalue_0=300", "--steps", "6", "--out",
              out.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    bool seen = false;
    int status = 0;
    for (int i = 0; i < 12000 && !seen; ++i) {
        if (waitpid(pid, &status, WNOHANG) == pid) break;
        seen = !leftovers().empty();
        if (!seen) std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    if (seen) {
        kill(pid, SIGTERM);
        waitpid(pid, &status, 0);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM) << "dies of the signal, as it would have";
        EXPECT_FALSE(fs::exists(out));
    } else {
        kill(pid, SIGKILL);
        waitpid(pid, &status, 0);
        ADD_FAILURE() << "the temporary file was never seen while the output was written";
    }
    EXPECT_EQ(leftovers(), std::vector<std::string>{});
}

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
}

}  // namespace
