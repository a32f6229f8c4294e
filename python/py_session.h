// quentarb.Session's engine: one plug-in session on a private copy of the module, driven one
// call at a time. Each call takes the session's lock and runs without the GIL, so sessions on
// different threads draw at the same time. After a fault of the host the session refuses
// every call, saying why.
#ifndef QT_PYTHON_PY_SESSION_H
#define QT_PYTHON_PY_SESSION_H

#include <cstdint>
#include <memory>
#include <mutex>
#include <string>

#include "python/snapshot.h"
#include "session/draw_plan.h"
#include "session/session.h"

namespace qtpython {

class PySession {
  public:
    // The document settings of `input` (seed, page, view, colours, stroke width, pressure
    // device, limits), checked as `quentarb draw` checks them.
    explicit PySession(const qtsession::DrawInput& input);

    void tool(const std::string& nameOrNumber);
    void shape(int shape);
    void set(const std::string& name, const std::string& value);
    void reset();
    void down(double x, double y);
    void drag(double x, double y, int pressure, long long modifiers);
    void up();
    void cancel();
    void undo();
    void redo();
    Snapshot document();
    void close();

  private:
    void play(const qtsession::GestureEvent& event);
    template <class Work>
    auto run(const char* what, Work&& work);

    std::mutex mutex_;
    std::unique_ptr<qtsession::Session> session_;
    qtsession::Limits limits_;
    std::string stopped_;  // why every call is refused; empty while the session works
    bool mouseDown_ = false;
    size_t undoable_ = 0;  // finished drags not yet undone
    size_t redoable_ = 0;  // drags undone since the last down
    uint64_t drags_ = 0;
};

}  // namespace qtpython

#endif
