// `quentarb draw`: one or more drags through the plug-in, then export.
#include <cstdlib>
#include <stdexcept>

#include "app/commands.h"
#include "app/finite.h"
#include "app/output.h"
#include "app/parse.h"
#include "app/session.h"

namespace qtapp {

namespace {

struct DrawPlan {
    qthost::HostConfig config;
    int tool = 0;
    std::vector<std::pair<std::string, std::string>> sets;
    std::vector<GestureEvent> events;
};

// Everything is checked before the plug-in runs, so a bad argument writes nothing.
DrawPlan plan(const DrawArgs& args) {
    DrawPlan p;
    if (args.out.empty()) throw UsageError("--out is required");
    formatFor(args.out);
    if (args.out != "-") checkWritable(args.out);
    p.tool = parseTool(args.tool);
    if (args.shape < 0 || args.shape > 23) throw UsageError("--shape: " + std::to_string(args.shape) + " is not 0 to 23");
    for (const std::string& set : args.sets) {
        size_t eq = set.find('=');
        if (eq == std::string::npos || eq == 0) throw UsageError("--set: '" + set + "' is not NAME=VALUE");
        p.sets.emplace_back(set.substr(0, eq), set.substr(eq + 1));
    }
    if (args.steps < 1) throw UsageError("--steps: must be at least 1");
    if (args.pressure < 0 || args.pressure > 255) throw UsageError("--pressure: must be 0 to 255");
    if (args.seed < 0 || args.seed > 0xFFFFFFFFLL) throw UsageError("--seed: must be 0 to 4294967295");
    if (!(args.strokeWidth >= 0.0)) throw UsageError("--stroke-width: must be 0 or more");
    if (!fitsReal(args.strokeWidth)) throw UsageError("--stroke-width: out of range");
    uint32_t modifiers = parseModifiers(args.modifiers);
    AIRealPoint page = parsePoint(args.page, "--page");
    if (!(page.h > 0.0f) || !(page.v > 0.0f)) throw UsageError("--page: width and height must be above 0");
    p.config.pageWidth = page.h;
    p.config.pageHeight = page.v;
    if (!args.view.empty()) p.config.view = parseRect(args.view, "--view");
    p.config.colorModel = parseColorModel(args.colorModel);
    p.config.fill = parsePaint(args.fill, "--fill");
    p.config.stroke = parsePaint(args.stroke, "--stroke");
    p.config.strokeWidth = static_cast<AIReal>(args.strokeWidth);
    p.config.seed = static_cast<uint32_t>(args.seed);
    p.config.pressureDevice = args.pressureDevice;
    if (!args.gesture.empty()) {
        p.events = readGestureFile(args.gesture);
    } else {
        p.events = straightDrag(parsePoint(args.from, "--from"), parsePoint(args.to, "--to"), args.steps,
                                args.pressure, modifiers);
    }
    return p;
}

}  // namespace

int runDraw(const DrawArgs& args, std::ostream& err) {
    DrawPlan p;
    try {
        p = plan(args);
    } catch (const UsageError& e) {
        err << "quentarb draw: " << e.what() << "\n";
        return 2;
    }
    try {
        Session session(p.config);
        session.selectTool(p.tool);
        session.selectShape(args.shape);
        for (const auto& [name, value] : p.sets) session.setOption(name, value);
        // QUENTARB_FAIL_CALL=N makes the host fail its Nth call from the first drag on, so
        // embedders can watch how the plug-in reports a host failure.
        if (const char* n = std::getenv("QUENTARB_FAIL_CALL")) {
            session.host().failNthCall(static_cast<uint64_t>(parseInteger(n, "QUENTARB_FAIL_CALL")), kInjectedFaultErr);
        }
        session.play(p.events);
        qthost::Host& host = session.host();
        RunInfo run{p.config.seed, host.results().all(), host.records().alerts};
        writeDocument(host.document(), run, args.out);
        if (size_t skipped = countNonFinite(host.document())) {
            err << "quentarb draw: left out " << skipped << " object(s) whose geometry is not finite\n";
        }
        for (const std::string& alert : run.alerts) err << alert << "\n";
        return session.pluginFailed() ? 1 : 0;
    } catch (const UsageError& e) {
        err << "quentarb draw: " << e.what() << "\n";
        return 2;
    } catch (const std::exception& e) {
        err << "quentarb draw: " << e.what() << "\n";
        return 1;
    }
}

}  // namespace qtapp
