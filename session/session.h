// A plug-in session for every front end: the host with the module loaded and started, the
// tool selected so the palette exists, and options changed through the palette's controls
// as a person changes them.
#ifndef QT_SESSION_SESSION_H
#define QT_SESSION_SESSION_H

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "host/host.h"
#include "session/gesture.h"

namespace qtsession {

// A host or plug-in code as the session's messages name it: "1346458189 ('PARM')" for a
// four-character code, the number alone for any other.
std::string errorCodeText(ASErr code);

class Session {
  public:
    // Loads and starts the plug-in. A module named by QUENTARB_MODULE that does not load or
    // start is a UsageError naming it; the built-in module failing so, or the host running out
    // of memory while it starts, is a RunFailure.
    explicit Session(const qthost::HostConfig& config, const std::string& modulePath = defaultModule());
    ~Session();

    static std::string defaultModule();

    qthost::Host& host() { return *host_; }
    qthost::Dialog& palette();

    // Each change goes through the control; a bad name or value throws UsageError.
    void selectTool(int tool);
    void selectShape(int shape);
    void setOption(const std::string& name, const std::string& value);
    void reset();
    // Plays the events in order; RunFailure as soon as the host has a fault (out of memory,
    // the art limit), since the document may then be half changed. `afterEach` (if any) hears
    // how many events are done.
    using EventsDone = std::function<void(size_t done, size_t total, size_t art)>;
    void play(const std::vector<GestureEvent>& events, const EventsDone& afterEach = {});
    void checkHost() const;

    // True when any message the host sent got a non-zero result.
    bool pluginFailed() const;

  private:
    qthost::DialogItem& control(int item, const std::string& what);

    std::unique_ptr<qthost::Host> host_;
};

}  // namespace qtsession

#endif
