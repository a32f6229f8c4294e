// The Windows test program, run under Wine.
//
//   quentarb_windows_test check MODULE
//       loads MODULE with LoadLibrary, reads its resources back and drives it through the
//       headless host; prints one line per check and "N passed, N failed"; exit 1 on a failure.
//   quentarb_windows_test draw MODULE TOOL SHAPE SEED GESTURE OUT [SEED GESTURE OUT]...
//       what `quentarb draw --tool TOOL --shape SHAPE --seed SEED --gesture GESTURE --out OUT`
//       does, writing the JSON document, so that the two can be compared byte for byte. Each
//       further triple is another run with a freshly loaded host, in the same process: under
//       an emulated 32-bit Wine starting a process costs far more than a drawing.
//   quentarb_windows_test COMMAND ARGS... + COMMAND ARGS...
//       several of the above in one process, in order; exit 1 when any fails.
#include <cstdio>
#include <exception>
#include <fstream>
#include <string>

#include "app/commands.h"
#include "checks.h"
#include "export/json_export.h"
#include "session/gesture.h"
#include "session/parse.h"
#include "session/session.h"

namespace {

int check(const std::string& module) {
    wintest::Checks checks;
    wintest::checkModuleResources(checks, module);
    wintest::checkHostSession(checks, module);
    std::printf("%d passed, %d failed\n", checks.passed(), checks.failed());
    return checks.failed() == 0 && checks.passed() > 0 ? 0 : 1;
}

struct DrawRun {
    const char* seed;
    const char* gesture;
    const char* out;
};

int drawOne(const std::string& module, const char* tool, const char* shape, const DrawRun& run) {
    // The command line's defaults for everything not given.
    const qtapp::DrawArgs defaults;
    qthost::HostConfig config;
    config.colorModel = qtsession::parseColorModel(defaults.colorModel);
    if (defaults.fill) config.fill = qtsession::parsePaint(*defaults.fill, "--fill");
    if (defaults.stroke) config.stroke = qtsession::parsePaint(*defaults.stroke, "--stroke");
    config.strokeWidth = static_cast<AIReal>(defaults.strokeWidth);
    config.seed = static_cast<uint32_t>(std::stoul(run.seed));
    qtsession::Session session(config, module);
    session.selectTool(qtsession::parseTool(tool));
    session.selectShape(std::stoi(shape));
    session.play(qtsession::readGestureFile(run.gesture));
    qthost::Host& host = session.host();
    qtexport::RunInfo info{config.seed, host.results().all(), host.records().alerts};
    std::ofstream out(run.out, std::ios::binary);
    out << qtexport::documentJson(host.document(), info);
    return out.good() ? 0 : 1;
}

// argv: MODULE TOOL SHAPE, then SEED GESTURE OUT triples; every run is made even when one fails.
int draw(int argc, char** argv) {
    int status = 0;
    for (int i = 3; i + 3 <= argc; i += 3) {
        const DrawRun run{argv[i], argv[i + 1], argv[i + 2]};
        if (drawOne(argv[0], argv[1], argv[2], run) != 0) {
            std::fprintf(stderr, "quentarb_windows_test: cannot write %s\n", run.out);
            status = 1;
        }
    }
    return status;
}

}  // namespace

// One command: argv[0] is its name. Returns -1 when it is not a known command.
int runCommand(int argc, char** argv) {
    const std::string command = argv[0];
    if (command == "check" && argc == 2) return check(argv[1]);
    if (command == "draw" && argc >= 7 && (argc - 4) % 3 == 0) return draw(argc - 1, argv + 1);
    return -1;
}

int main(int argc, char** argv) {
    int status = 0;
    for (int first = 1; first < argc;) {
        int last = first;
        while (last < argc && std::string(argv[last]) != "+") ++last;
        int result = -1;
        try {
            result = last > first ? runCommand(last - first, argv + first) : -1;
        } catch (const std::exception& e) {
            std::fprintf(stderr, "quentarb_windows_test: %s: %s\n", argv[first], e.what());
            result = 1;
        }
        if (result < 0) {
            status = -1;
            break;
        }
        if (result != 0) status = 1;
        first = last + 1;
    }
    if (argc > 1 && status >= 0) return status;
    std::fprintf(
        stderr,
        "usage: quentarb_windows_test check MODULE\n"
        "       quentarb_windows_test draw MODULE TOOL SHAPE SEED GESTURE OUT [SEED GESTURE OUT]...\n"
        "       quentarb_windows_test COMMAND ARGS... + COMMAND ARGS...\n");
    return 2;
}
