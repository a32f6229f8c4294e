// One session driven from Python, call by call.
#include "python/py_session.h"

#include <algorithm>
#include <vector>

#include "host/run_errors.h"
#include "python/failure.h"
#include "python/package.h"
#include "session/parse.h"

namespace qtpython {

using qthost::UsageError;
using qtsession::GestureEvent;

namespace {

GestureEvent event(GestureEvent::Type type) {
    GestureEvent e;
    e.type = type;
    return e;
}

AIRealPoint checkedPoint(const char* what, double x, double y) {
    if (!qtsession::fitsReal(x) || !qtsession::fitsReal(y)) {
        throw UsageError(std::string(what) + ": x and y must be finite single-precision numbers");
    }
    return {static_cast<AIReal>(x), static_cast<AIReal>(y)};
}

}  // namespace

PySession::PySession(const qtsession::DrawInput& input) : limits_(input.limits) {
    // Only the document's settings count here: no drag of its own to check against the limits.
    qtsession::DrawInput settings = input;
    settings.steps.reset();
    settings.limits.steps = std::max<uint64_t>(settings.limits.steps, 8);
    withoutGil([&] { session_ = privateSession(qtsession::planDraw(settings).config); });
}

// Checks, locks and runs `work` without the GIL. A failure of the host stops the session: its
// document may be half changed, so this and every later call says so.
template <class Work>
auto PySession::run(const char* what, Work&& work) {
    return withoutGil([&] {
        std::lock_guard<std::mutex> lock(mutex_);
        if (!session_) {
            throw Classified({FailureKind::stopped, std::string(what) + ": the session is closed", {}});
        }
        if (!stopped_.empty()) {
            throw Classified({FailureKind::stopped,
                              std::string(what) + ": the session stopped after a failure (" + stopped_ +
                                  "); start a new Session",
                              {}});
        }
        try {
            return work();
        } catch (...) {
            Failure failure = classify(std::current_exception());
            bool refusedBeforeWork =
                failure.kind == FailureKind::badInput ||
                (failure.kind == FailureKind::limit && session_->host().fault() == qthost::HostFault::none);
            if (!refusedBeforeWork) {
                stopped_ = failure.message;
                failure.message += " (the session has stopped: start a new Session)";
            }
            throw Classified(failure);
        }
    });
}

void PySession::play(const GestureEvent& e) { session_->play(std::vector<GestureEvent>{e}); }

void PySession::tool(const std::string& nameOrNumber) {
    run("tool", [&] {
        GestureEvent e = event(GestureEvent::Type::tool);
        e.number = qtsession::parseTool(nameOrNumber);
        play(e);
    });
}

void PySession::shape(int shape) {
    run("shape", [&] {
        GestureEvent e = event(GestureEvent::Type::shape);
        e.number = shape;
        play(e);
    });
}

void PySession::set(const std::string& name, const std::string& value) {
    run("set", [&] {
        GestureEvent e = event(GestureEvent::Type::set);
        e.option = name;
        e.value = value;
        play(e);
    });
}

void PySession::reset() {
    run("reset", [&] { play(event(GestureEvent::Type::reset)); });
}

void PySession::down(double x, double y) {
    run("down", [&] {
        GestureEvent e = event(GestureEvent::Type::down);
        e.at = checkedPoint("down", x, y);
        if (mouseDown_) throw UsageError("down: a down while the mouse is already down");
        play(e);
        mouseDown_ = true;
        redoable_ = 0;
    });
}

void PySession::drag(double x, double y, int pressure, long long modifiers) {
    run("drag", [&] {
        GestureEvent e = event(GestureEvent::Type::drag);
        e.at = checkedPoint("drag", x, y);
        if (pressure < 0 || pressure > 255) throw UsageError("drag: pressure must be 0 to 255");
        if (modifiers < 0 || modifiers > 0xFFFFFFFFLL)
            throw UsageError("drag: modifiers must be 0 to 4294967295");
        if (!mouseDown_) throw UsageError("drag: a drag with no down before it");
        if (drags_ + 1 > limits_.steps) {
            throw UsageError(qtsession::overLimit("drag events", drags_ + 1, limits_.steps, "--max-steps"));
        }
        e.pressure = pressure;
        e.modifiers = static_cast<uint32_t>(modifiers);
        ++drags_;
        play(e);
    });
}

void PySession::up() {
    run("up", [&] {
        if (!mouseDown_) throw UsageError("up: an up with no down before it");
        play(event(GestureEvent::Type::up));
        mouseDown_ = false;
        ++undoable_;
    });
}

void PySession::cancel() {
    run("cancel", [&] {
        if (!mouseDown_) throw UsageError("cancel: a cancel with no down before it");
        play(event(GestureEvent::Type::cancel));
        mouseDown_ = false;
    });
}

void PySession::undo() {
    run("undo", [&] {
        if (mouseDown_) throw UsageError("undo: an undo in the middle of a drag (before its up)");
        if (undoable_ == 0) throw UsageError("undo: an undo with no finished drag to undo");
        play(event(GestureEvent::Type::undo));
        --undoable_;
        ++redoable_;
    });
}

void PySession::redo() {
    run("redo", [&] {
        if (mouseDown_) throw UsageError("redo: a redo in the middle of a drag (before its up)");
        if (redoable_ == 0) throw UsageError("redo: a redo with no undone drag to redo");
        play(event(GestureEvent::Type::redo));
        --redoable_;
        ++undoable_;
    });
}

Snapshot PySession::document() {
    return run("document", [&] { return takeSnapshot(session_->host(), limits_.pngPixels); });
}

void PySession::close() {
    withoutGil([&] {
        std::lock_guard<std::mutex> lock(mutex_);
        session_.reset();
    });
}

}  // namespace qtpython
