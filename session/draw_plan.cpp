// One drawing's inputs checked, and the session started as they say.
#include "session/draw_plan.h"

#include <cstdint>
#include <cstdlib>

#include "host/run_errors.h"
#include "resources/tool_table.h"
#include "session/option_change.h"
#include "session/parse.h"

namespace qtsession {

using qthost::inQuotes;
using qthost::UsageError;

std::string overLimit(const std::string& what, uint64_t value, uint64_t limit, const char* flag) {
    return what + ": " + std::to_string(value) + " is over the limit of " + std::to_string(limit) +
           "; raise it with " + flag;
}

DrawPlan planDraw(const DrawInput& args, const OutputChecks& output) {
    DrawPlan p;
    const bool gesture = !args.gesture.empty() || !args.gestureText.empty();
    if (gesture && (args.from || args.to || args.steps)) {
        throw UsageError("--gesture: give either a gesture file or --from, --to and --steps, not both");
    }
    if (!args.gesture.empty() && output.gesture) output.gesture(args.gesture);
    p.tool = parseTool(args.tool);
    if (args.shape < 0 || args.shape >= qttable::kShapeCount) {
        throw UsageError("--shape: " + std::to_string(args.shape) + " is not 0 to " +
                         std::to_string(qttable::kShapeCount - 1));
    }
    p.shape = args.shape;
    for (const std::string& set : args.sets) {
        size_t eq = set.find('=');
        if (eq == std::string::npos || eq == 0)
            throw UsageError("--set: " + inQuotes(set) + " is not NAME=VALUE");
        p.sets.emplace_back(set.substr(0, eq), set.substr(eq + 1));
        checkedOptionChange(p.sets.back().first, p.sets.back().second, "--set");
    }
    // A gesture's drags are counted against --max-steps as the file is read.
    const int steps = args.steps.value_or(8);
    if (steps < 1) throw UsageError("--steps: must be at least 1");
    if (!gesture && static_cast<uint64_t>(steps) > args.limits.steps) {
        throw UsageError(
            overLimit("--steps", static_cast<uint64_t>(steps), args.limits.steps, "--max-steps"));
    }
    if (args.pressure < 0 || args.pressure > 255) throw UsageError("--pressure: must be 0 to 255");
    p.config.seed = checkedSeed(args.seed, "--seed");
    p.config.strokeWidth = checkedStrokeWidth(args.strokeWidth, "--stroke-width");
    uint32_t modifiers = parseModifiers(args.modifiers);
    const AIRealPoint page = checkedPageSize(parsePoint(args.page, "--page"), "--page");
    if (output.page) output.page(page);
    p.config.pageWidth = page.h;
    p.config.pageHeight = page.v;
    if (!args.view.empty()) p.config.view = parseRect(args.view, "--view");
    p.config.colorModel = parseColorModel(args.colorModel);
    if (args.fill) p.config.fill = parsePaint(*args.fill, "--fill");
    if (args.stroke) p.config.stroke = parsePaint(*args.stroke, "--stroke");
    p.config.pressureDevice = args.pressureDevice;
    p.config.maxArt = static_cast<size_t>(args.limits.art);
    if (const char* n = std::getenv("QUENTARB_FAIL_CALL")) {
        const long long call = parseInteger(n, "QUENTARB_FAIL_CALL");
        if (call < 0)
            throw UsageError("QUENTARB_FAIL_CALL: " + inQuotes(n) + " is not 0 to " +
                             std::to_string(INT64_MAX));
        p.failCall = static_cast<uint64_t>(call);
    }
    if (gesture) {
        // Read and checked whole, every event, before any host starts.
        p.events = args.gesture.empty() ? parseGesture(args.gestureText, args.limits.steps)
                                        : readGestureFile(args.gesture, args.limits);
        // A person lets go of the button in the end: the host sends the mouse-up itself.
        if (endsWithMouseDown(p.events)) {
            GestureEvent up;
            up.type = GestureEvent::Type::up;
            p.events.push_back(up);
            p.warnings.push_back("warning: the gesture ends with the mouse down; the host sent the mouse-up");
        }
    } else {
        p.events =
            straightDrag(parsePoint(args.from.value_or("100,100"), "--from"),
                         parsePoint(args.to.value_or("300,250"), "--to"), steps, args.pressure, modifiers);
    }
    return p;
}

void startDrawing(Session& session, const DrawPlan& plan) {
    session.selectTool(plan.tool);
    session.selectShape(plan.shape);
    for (const auto& [name, value] : plan.sets) session.setOption(name, value);
    session.checkHost();
    if (plan.failCall != 0) session.host().failNthCall(plan.failCall, kInjectedFaultErr);
}

}  // namespace qtsession
