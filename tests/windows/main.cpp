// The Windows test program, run under Wine.
//
//   quentarb_windows_test check MODULE
//       loads MODULE with LoadLibrary, reads its resources back and drives it through the
//       headless host; prints one line per check and "N passed, N failed"; exit 1 on a failure.
//   quentarb_windows_test draw MODULE TOOL SHAPE SEED GESTURE OUT
//       what `quentarb draw --tool TOOL --shape SHAPE --seed SEED --gesture GESTURE --out OUT`
//       does, writing the JSON document, so that the two can be compared byte for byte.
#include <cstdio>
#include <exception>
#include <fstream>
#include <string>

#include "app/commands.h"
#include "app/gesture.h"
#include "app/json_export.h"
#include "app/parse.h"
#include "app/session.h"
#include "checks.h"

namespace {

int check(const std::string& module) {
    wintest::Checks checks;
    wintest::checkModuleResources(checks, module);
    wintest::checkHostSession(checks, module);
    std::printf("%d passed, %d failed\n", checks.passed(), checks.failed());
    return checks.failed() == 0 && checks.passed() > 0 ? 0 : 1;
}

int draw(char** argv) {
    const std::string module = argv[0];
    // The command line's defaults for everything not given.
    const qtapp::DrawArgs defaults;
    qthost::HostConfig config;
    config.colorModel = qtapp::parseColorModel(defaults.colorModel);
    config.fill = qtapp::parsePaint(defaults.fill, "--fill");
    config.stroke = qtapp::parsePaint(defaults.stroke, "--stroke");
    config.strokeWidth = static_cast<AIReal>(defaults.strokeWidth);
    config.seed = static_cast<uint32_t>(std::stoul(argv[3]));
    qtapp::Session session(config, module);
    session.selectTool(qtapp::parseTool(argv[1]));
    session.selectShape(std::stoi(argv[2]));
    session.play(qtapp::readGestureFile(argv[4]));
    qthost::Host& host = session.host();
    qtapp::RunInfo run{config.seed, host.results().all(), host.records().alerts};
    std::ofstream out(argv[5], std::ios::binary);
    out << qtapp::documentJson(host.document(), run);
    return out.good() ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string command = argc > 1 ? argv[1] : "";
    try {
        if (command == "check" && argc == 3) return check(argv[2]);
        if (command == "draw" && argc == 8) return draw(argv + 2);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "quentarb_windows_test: %s\n", e.what());
        return 1;
    }
    std::fprintf(stderr,
                 "usage: quentarb_windows_test check MODULE\n"
                 "       quentarb_windows_test draw MODULE TOOL SHAPE SEED GESTURE OUT\n");
    return 2;
}
