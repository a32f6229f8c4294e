// `quentarb draw`: one or more drags through the plug-in, then export.
#include <cmath>
#include <cstdlib>
#include <stdexcept>

#include "app/commands.h"
#include "app/messages.h"
#include "app/progress.h"
#include "app/standard_output.h"
#include "export/files/cairo_export.h"
#include "export/files/document_file.h"
#include "host/run_errors.h"
#include "session/parse.h"
#include "session/session.h"

namespace qtapp {

using namespace qtsession;
using namespace qtexport;

using qthost::inQuotes;
using qthost::printable;
using qthost::UsageError;

namespace {

// JSON for `--out -` goes to standard output as it is written.
class StandardOutputSink : public ByteSink {
  public:
    void write(std::string_view bytes) override { writeStandardOutput(bytes); }
};

// A PNG has a pixel a point: its size is known from the page before anything is drawn.
void checkPngPage(AIRealPoint page, const Limits& limits) {
    const double width = std::ceil(static_cast<double>(page.h)),
                 height = std::ceil(static_cast<double>(page.v));
    if (width > kMaxPngSide || height > kMaxPngSide) {
        throw UsageError("--page: " + std::to_string(static_cast<long long>(width)) + " x " +
                         std::to_string(static_cast<long long>(height)) +
                         " is too large for a PNG (at most " + std::to_string(kMaxPngSide) +
                         " pixels a side)");
    }
    const auto pixels = static_cast<uint64_t>(width) * static_cast<uint64_t>(height);
    if (pixels > limits.pngPixels)
        throw UsageError(overLimit("--page: PNG pixels", pixels, limits.pngPixels, "--max-png-pixels"));
}

// Everything is checked before the plug-in runs, so a bad argument writes nothing.
DrawPlan plan(const DrawArgs& args) {
    if (args.out.empty()) throw UsageError("--out is required");
    const Format format = formatFor(args.out);
    if (args.out != "-") checkWritable(args.out);
    OutputChecks output;
    output.gesture = [&](const std::string& gesture) {
        if (args.out != "-" && sameFile(args.out, gesture)) {
            throw UsageError("--out: " + inQuotes(args.out) +
                             " is the gesture file; it would be overwritten");
        }
    };
    if (format == Format::png) output.page = [&](AIRealPoint page) { checkPngPage(page, args.limits); };
    DrawPlan p = planDraw(args, output);
    progressDelay();  // refused here when it is not a number
    return p;
}

}  // namespace

int runDraw(const DrawArgs& args, std::ostream& err) {
    try {
        DrawPlan p = plan(args);
        Progress progress;
        Session session(p.config);
        startDrawing(session, p);
        session.play(p.events,
                     [&](size_t done, size_t total, size_t art) { progress.events(done, total, art); });
        qthost::Host& host = session.host();
        RunInfo run{p.config.seed, host.results().all(), host.records().alerts};
        progress.step("writing " + args.out);
        size_t skipped = 0;
        if (args.out == "-") {
            StandardOutputSink out;
            skipped = writeDocumentJson(host.document(), run, out);
        } else {
            skipped = writeDocument(host.document(), run, args.out);
        }
        progress.clear();
        // The run is over and its document written: what it has to say comes now, so that a
        // run that fails says one line only.
        for (const std::string& warning : p.warnings) err << "quentarb draw: " << printable(warning) << "\n";
        if (skipped) {
            err << "quentarb draw: left out " << skipped << " object(s) whose geometry is not finite\n";
        }
        for (const std::string& alert : run.alerts) err << printable(alert) << "\n";
        return session.pluginFailed() ? kExitPluginError : 0;
    } catch (...) {
        return reportFailure("quentarb draw", std::current_exception(), err);
    }
}

}  // namespace qtapp
