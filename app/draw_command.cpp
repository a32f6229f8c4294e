// `quentarb draw`: one or more drags through the plug-in, then export.
#include <cmath>
#include <cstdlib>
#include <stdexcept>

#include "export/files/cairo_export.h"
#include "app/commands.h"
#include "app/standard_output.h"
#include "export/finite.h"
#include "app/messages.h"
#include "export/files/document_file.h"
#include "session/parse.h"
#include "app/progress.h"
#include "session/session.h"
#include "host/run_errors.h"
#include "resources/tool_table.h"

namespace qtapp {

using namespace qtsession;
using namespace qtexport;

using qthost::UsageError;
using qthost::inQuotes;
using qthost::printable;

namespace {

struct DrawPlan {
    qthost::HostConfig config;
    int tool = 0;
    std::vector<std::pair<std::string, std::string>> sets;
    std::vector<GestureEvent> events;
    std::vector<std::string> warnings;
};

std::string overLimit(const std::string& what, uint64_t value, uint64_t limit, const char* flag) {
    return what + ": " + std::to_string(value) + " is over the limit of " + std::to_string(limit) +
           "; raise it with " + flag;
}

// A PNG has a pixel a point: its size is known from the page before anything is drawn.
void checkPngPage(AIRealPoint page, const Limits& limits) {
    const double width = std::ceil(static_cast<double>(page.h)), height = std::ceil(static_cast<double>(page.v));
    if (width > kMaxPngSide || height > kMaxPngSide) {
        throw UsageError("--page: " + std::to_string(static_cast<long long>(width)) + " x " +
                         std::to_string(static_cast<long long>(height)) + " is too large for a PNG (at most " +
                         std::to_string(kMaxPngSide) + " pixels a side)");
    }
    const auto pixels = static_cast<uint64_t>(width) * static_cast<uint64_t>(height);
    if (pixels > limits.pngPixels) throw UsageError(overLimit("--page: PNG pixels", pixels, limits.pngPixels, "--max-png-pixels"));
}

// Everything is checked before the plug-in runs, so a bad argument writes nothing.
DrawPlan plan(const DrawArgs& args) {
    DrawPlan p;
    if (args.out.empty()) throw UsageError("--out is required");
    const Format format = formatFor(args.out);
    if (args.out != "-") checkWritable(args.out);
    const bool gesture = !args.gesture.empty();
    if (gesture && (args.from || args.to || args.steps)) {
        throw UsageError("--gesture: give either a gesture file or --from, --to and --steps, not both");
    }
    if (gesture && args.out != "-" && sameFile(args.out, args.gesture)) {
        throw UsageError("--out: " + inQuotes(args.out) + " is the gesture file; it would be overwritten");
    }
    p.tool = parseTool(args.tool);
    if (args.shape < 0 || args.shape >= qttable::kShapeCount) {
        throw UsageError("--shape: " + std::to_string(args.shape) + " is not 0 to " +
                         std::to_string(qttable::kShapeCount - 1));
    }
    for (const std::string& set : args.sets) {
        size_t eq = set.find('=');
        if (eq == std::string::npos || eq == 0) throw UsageError("--set: " + inQuotes(set) + " is not NAME=VALUE");
        p.sets.emplace_back(set.substr(0, eq), set.substr(eq + 1));
    }
    const int steps = args.steps.value_or(8);
    if (steps < 1) throw UsageError("--steps: must be at least 1");
    if (static_cast<uint64_t>(steps) > args.limits.steps) {
        throw UsageError(overLimit("--steps", static_cast<uint64_t>(steps), args.limits.steps, "--max-steps"));
    }
    if (args.pressure < 0 || args.pressure > 255) throw UsageError("--pressure: must be 0 to 255");
    p.config.seed = checkedSeed(args.seed, "--seed");
    p.config.strokeWidth = checkedStrokeWidth(args.strokeWidth, "--stroke-width");
    uint32_t modifiers = parseModifiers(args.modifiers);
    const AIRealPoint page = checkedPageSize(parsePoint(args.page, "--page"), "--page");
    if (format == Format::png) checkPngPage(page, args.limits);
    p.config.pageWidth = page.h;
    p.config.pageHeight = page.v;
    if (!args.view.empty()) p.config.view = parseRect(args.view, "--view");
    p.config.colorModel = parseColorModel(args.colorModel);
    if (args.fill) p.config.fill = parsePaint(*args.fill, "--fill");
    if (args.stroke) p.config.stroke = parsePaint(*args.stroke, "--stroke");
    p.config.pressureDevice = args.pressureDevice;
    p.config.maxArt = static_cast<size_t>(args.limits.art);
    if (gesture) {
        p.events = readGestureFile(args.gesture, args.limits.gestureBytes);
        if (size_t drags = dragEventCount(p.events); drags > args.limits.steps) {
            throw UsageError(overLimit("--gesture: drag events", drags, args.limits.steps, "--max-steps"));
        }
        // A person lets go of the button in the end: the host sends the mouse-up itself.
        if (endsWithMouseDown(p.events)) {
            GestureEvent up;
            up.type = GestureEvent::Type::up;
            p.events.push_back(up);
            p.warnings.push_back("warning: the gesture ends with the mouse down; the host sent the mouse-up");
        }
    } else {
        p.events = straightDrag(parsePoint(args.from.value_or("100,100"), "--from"),
                                parsePoint(args.to.value_or("300,250"), "--to"), steps, args.pressure, modifiers);
    }
    return p;
}

}  // namespace

int runDraw(const DrawArgs& args, std::ostream& err) {
    try {
        DrawPlan p = plan(args);
        for (const std::string& warning : p.warnings) err << "quentarb draw: " << printable(warning) << "\n";
        Progress progress;
        Session session(p.config);
        session.selectTool(p.tool);
        session.selectShape(args.shape);
        for (const auto& [name, value] : p.sets) session.setOption(name, value);
        session.checkHost();
        // QUENTARB_FAIL_CALL=N makes the host fail its Nth call from the first drag on, so
        // embedders can watch how the plug-in reports a host failure.
        if (const char* n = std::getenv("QUENTARB_FAIL_CALL")) {
            session.host().failNthCall(static_cast<uint64_t>(parseInteger(n, "QUENTARB_FAIL_CALL")), kInjectedFaultErr);
        }
        session.play(p.events, [&](size_t done, size_t total, size_t art) { progress.events(done, total, art); });
        qthost::Host& host = session.host();
        RunInfo run{p.config.seed, host.results().all(), host.records().alerts};
        progress.step("writing " + args.out);
        if (args.out == "-") {
            writeStandardOutput(documentJson(host.document(), run));
        } else {
            writeDocument(host.document(), run, args.out);
        }
        progress.clear();
        if (size_t skipped = countNonFinite(host.document())) {
            err << "quentarb draw: left out " << skipped << " object(s) whose geometry is not finite\n";
        }
        for (const std::string& alert : run.alerts) err << printable(alert) << "\n";
        return session.pluginFailed() ? kExitPluginError : 0;
    } catch (...) {
        std::string line;
        int status = failureStatus(std::current_exception(), line);
        err << "quentarb draw: " << printable(line) << "\n";
        return status;
    }
}

}  // namespace qtapp
