// One drawing as every front end asks for it (the command line's `draw`, the Python package's
// draw()): the inputs in the command line's terms, checked all before the plug-in runs, and the
// session started as they say.
#ifndef QT_SESSION_DRAW_PLAN_H
#define QT_SESSION_DRAW_PLAN_H

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "host/host.h"
#include "session/gesture.h"
#include "session/limits.h"
#include "session/session.h"

namespace qtsession {

// The inputs of a drawing, as the command line's flags give them.
struct DrawInput {
    std::string tool = "grid";
    int shape = 0;
    std::vector<std::string> sets;  // NAME=VALUE, in order
    // Unset: 100,100 to 300,250 in 8 steps. Given together with a gesture: a bad argument.
    std::optional<std::string> from;
    std::optional<std::string> to;
    std::optional<int> steps;
    std::string gesture;      // a gesture file
    std::string gestureText;  // or a gesture document in memory (front ends that have one)
    std::string modifiers = "0";
    int pressure = 255;
    bool pressureDevice = false;
    long long seed = 1;
    std::string page = "612,792";
    std::string view;
    std::string colorModel = "rgb";
    std::optional<std::string> fill;    // unset: white in the document's colour model
    std::optional<std::string> stroke;  // unset: black in the document's colour model
    double strokeWidth = 1.0;
    Limits limits;
};

// The front end's checks of its own output, run in their place among the others so that the
// first bad argument is the one named: against the gesture file (the output must not be it),
// and against the page (a PNG's pixels). Each throws UsageError.
struct OutputChecks {
    std::function<void(const std::string& gestureFile)> gesture;
    std::function<void(AIRealPoint page)> page;
};

struct DrawPlan {
    qthost::HostConfig config;
    int tool = 0;
    int shape = 0;
    std::vector<std::pair<std::string, std::string>> sets;
    std::vector<GestureEvent> events;
    std::vector<std::string> warnings;  // one line each, for the user
};

// Checks every input; UsageError naming the first bad one. Nothing runs yet.
DrawPlan planDraw(const DrawInput& input, const OutputChecks& output = {});

// Selects the plan's tool and line type and sets its options through the palette, in order.
// QUENTARB_FAIL_CALL=N then makes the host fail its Nth call from the first drag on, so
// embedders can watch how the plug-in reports a host failure.
void startDrawing(Session& session, const DrawPlan& plan);

// "WHAT: VALUE is over the limit of LIMIT; raise it with FLAG".
std::string overLimit(const std::string& what, uint64_t value, uint64_t limit, const char* flag);

}  // namespace qtsession

#endif
