// quentarb: the command-line host of the plug-in.
#include <CLI/CLI.hpp>
#include <csignal>
#include <iostream>
#include <string_view>

#include "app/commands.h"
#include "app/messages.h"
#include "app/numbers.h"
#include "app/standard_output.h"
#include "export/files/atomic_file.h"
#include "host/run_errors.h"
#include "resources/tool_table.h"
#include "session/parse.h"

namespace {

using qtapp::integerIn;

// Every number is taken as text and read by the command line's own parsers: one syntax for
// every flag (decimal; hex only for --modifiers), and an empty value is refused.
struct NumberFlags {
    std::optional<std::string> shape, steps, pressure, seed, strokeWidth;
    std::optional<std::string> maxSteps, maxGestureBytes, maxArt, maxPngPixels;
};

uint64_t limitFrom(const std::optional<std::string>& text, const char* flag, uint64_t fallback) {
    return text ? static_cast<uint64_t>(integerIn(*text, flag, 1, INT64_MAX)) : fallback;
}

void applyNumbers(const NumberFlags& n, qtapp::DrawArgs& draw) {
    // Ranges are the representable ones here; the draw command checks the meaningful ones.
    if (n.shape) draw.shape = static_cast<int>(integerIn(*n.shape, "--shape", INT32_MIN, INT32_MAX));
    if (n.steps) draw.steps = static_cast<int>(integerIn(*n.steps, "--steps", INT32_MIN, INT32_MAX));
    if (n.pressure)
        draw.pressure = static_cast<int>(integerIn(*n.pressure, "--pressure", INT32_MIN, INT32_MAX));
    if (n.seed) draw.seed = qtsession::parseInteger(*n.seed, "--seed");
    if (n.strokeWidth) draw.strokeWidth = qtsession::parseNumber(*n.strokeWidth, "--stroke-width");
    draw.limits.steps = limitFrom(n.maxSteps, "--max-steps", draw.limits.steps);
    draw.limits.gestureBytes = limitFrom(n.maxGestureBytes, "--max-gesture-bytes", draw.limits.gestureBytes);
    draw.limits.art = limitFrom(n.maxArt, "--max-art", draw.limits.art);
    draw.limits.pngPixels = limitFrom(n.maxPngPixels, "--max-png-pixels", draw.limits.pngPixels);
}

// A flag given without its value, or with an empty one: named, and refused before any work.
struct FlagError : std::runtime_error {
    FlagError(std::string commandName, const std::string& what)
        : std::runtime_error(what), command(std::move(commandName)) {}
    std::string command;
};

bool takesValue(const CLI::Option& option) { return option.get_items_expected_min() > 0; }

// The option of `command` that `word` names ("--tool", "--tool=x"), if any.
const CLI::Option* optionNamed(const CLI::App& command, std::string_view word) {
    if (word.size() < 3 || word.substr(0, 2) != "--") return nullptr;
    word.remove_prefix(2);
    const std::string_view name = word.substr(0, word.find('='));
    for (const CLI::Option* option : command.get_options()) {
        for (const std::string& long_name : option->get_lnames()) {
            if (long_name == name) return option;
        }
    }
    return nullptr;
}

// A flag that takes a value must not be followed by another flag or by nothing: the parser
// would take the next flag for the value ("--tool --out o.json") and then complain about
// o.json, which names the wrong thing.
void checkValuesGiven(const CLI::App& app, int argc, char** argv) {
    const CLI::App* command = nullptr;
    for (int i = 1; i < argc; ++i) {
        const std::string_view word = argv[i];
        if (!command) {
            for (const CLI::App* sub : app.get_subcommands({})) {
                if (sub->get_name() == word) command = sub;
            }
            continue;
        }
        const CLI::Option* option = optionNamed(*command, word);
        if (!option || !takesValue(*option)) continue;
        if (const size_t eq = word.find('='); eq != std::string_view::npos) {
            if (eq + 1 == word.size())
                throw FlagError(command->get_name(),
                                std::string(word.substr(0, eq)) + ": the value is empty");
            continue;
        }
        if (i + 1 == argc || optionNamed(*command, argv[i + 1]) ||
            std::string_view(argv[i + 1]).starts_with("--help")) {
            throw FlagError(command->get_name(), std::string(word) + ": the value is missing");
        }
        ++i;  // the value, whatever it looks like
    }
}

void checkNoEmptyValue(const CLI::App& command) {
    for (const CLI::Option* option : command.get_options()) {
        if (!takesValue(*option)) continue;
        for (const std::string& value : option->results()) {
            if (value.empty())
                throw FlagError(command.get_name(), option->get_name() + ": the value is empty");
        }
    }
}

int run(int argc, char** argv) {
    CLI::App app{"quentarb: draw with the QuenTarb plug-in without its host"};
    app.require_subcommand(1);

    qtapp::DrawArgs draw;
    NumberFlags numbers;
    CLI::App* drawCmd = app.add_subcommand("draw", "one or more drags through the plug-in, then export");
    drawCmd->add_option("--tool", draw.tool,
                        "mode by name or 0 to " + std::to_string(qttable::kToolCount - 1));
    drawCmd
        ->add_option("--shape", numbers.shape, "line type 0 to " + std::to_string(qttable::kShapeCount - 1))
        ->type_name("N");
    drawCmd->add_option("--set", draw.sets, "NAME=VALUE, through the palette control (repeatable)")
        ->allow_extra_args(false);
    drawCmd->add_option("--from", draw.from, "mouse-down point X,Y (default 100,100)");
    drawCmd->add_option("--to", draw.to, "last drag point X,Y (default 300,250)");
    drawCmd->add_option("--steps", numbers.steps, "drag events (default 8)")->type_name("N");
    drawCmd->add_option("--gesture", draw.gesture, "JSON gesture file, instead of --from, --to and --steps");
    drawCmd->add_option("--modifiers", draw.modifiers, "modifier bits (decimal or 0x hex)");
    drawCmd->add_option("--pressure", numbers.pressure, "pen pressure 0 to 255")->type_name("N");
    drawCmd->add_flag("--pressure-device", draw.pressureDevice, "the host reports a pressure device");
    drawCmd->add_option("--seed", numbers.seed, "random seed")->type_name("N");
    drawCmd->add_option("--page", draw.page, "page size W,H in points");
    drawCmd->add_option("--view", draw.view, "document view bounds L,T,R,B");
    drawCmd->add_option("--color-model", draw.colorModel, "rgb, cmyk or gray");
    drawCmd->add_option("--fill", draw.fill, "fill of new art");
    drawCmd->add_option("--stroke", draw.stroke, "stroke of new art");
    drawCmd->add_option("--stroke-width", numbers.strokeWidth, "stroke width of new art")->type_name("N");
    drawCmd->add_option("--out", draw.out, ".svg, .pdf, .png or .json; - for JSON on stdout");
    const qtsession::Limits limits;
    drawCmd
        ->add_option("--max-steps", numbers.maxSteps,
                     "limit on drag events (default " + std::to_string(limits.steps) + ")")
        ->type_name("N");
    drawCmd
        ->add_option("--max-gesture-bytes", numbers.maxGestureBytes,
                     "limit on the gesture file's size (default " + std::to_string(limits.gestureBytes) + ")")
        ->type_name("N");
    drawCmd
        ->add_option("--max-art", numbers.maxArt,
                     "limit on art objects in the document (default " + std::to_string(limits.art) + ")")
        ->type_name("N");
    drawCmd
        ->add_option("--max-png-pixels", numbers.maxPngPixels,
                     "limit on a PNG's pixels (default " + std::to_string(limits.pngPixels) + ")")
        ->type_name("N");

    std::string galleryDir = "gallery";
    CLI::App* galleryCmd =
        app.add_subcommand("gallery", "every mode as PNG, SVG and JSON with an index.html");
    galleryCmd->add_option("--out", galleryDir, "directory");

    std::optional<std::string> optionsTool;
    bool optionsJson = false;
    CLI::App* optionsCmd = app.add_subcommand("options", "every option with its range, control and tool");
    optionsCmd->add_option("--tool", optionsTool, "only this mode's options");
    optionsCmd->add_flag("--json", optionsJson, "one JSON array");

    try {
        checkValuesGiven(app, argc, argv);
        app.parse(argc, argv);
        for (CLI::App* command : {drawCmd, galleryCmd, optionsCmd}) {
            if (command->parsed()) checkNoEmptyValue(*command);
        }
    } catch (const CLI::CallForHelp& e) {
        int status = app.exit(e);
        if (!std::cout.flush() || qtapp::standardOutputClosed()) {
            std::cerr << "quentarb: cannot write to standard output\n";
            return qtapp::kExitCouldNotFinish;
        }
        return status;
    } catch (const CLI::ParseError& e) {
        std::cerr << "quentarb: " << qthost::printable(e.what()) << "\n";
        return qtapp::kExitBadInput;
    } catch (const FlagError& e) {
        std::cerr << "quentarb " << e.command << ": " << qthost::printable(e.what()) << "\n";
        return qtapp::kExitBadInput;
    }
    if (drawCmd->parsed()) {
        try {
            applyNumbers(numbers, draw);
        } catch (const qthost::UsageError& e) {
            std::cerr << "quentarb draw: " << qthost::printable(e.what()) << "\n";
            return qtapp::kExitBadInput;
        }
        return qtapp::runDraw(draw, std::cerr);
    }
    if (galleryCmd->parsed()) return qtapp::runGallery(galleryDir, std::cout, std::cerr);
    return qtapp::runOptions(optionsTool, optionsJson, std::cout, std::cerr);
}

}  // namespace

int main(int argc, char** argv) {
    qtapp::guardStandardStreams();
    qtexport::installSignalCleanup();
    // A reader that went away or a file-size limit is a write error, reported as one (status
    // 3, one line, the temporary file removed), not a death by signal.
    std::signal(SIGPIPE, SIG_IGN);
    std::signal(SIGXFSZ, SIG_IGN);
    // The process boundary: whatever escapes a command is one line and status 3, never an abort.
    try {
        return run(argc, argv);
    } catch (...) {
        return qtapp::reportFailure("quentarb", std::current_exception(), std::cerr);
    }
}
