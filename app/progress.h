// Progress of long work on standard error, only when it is a terminal: one line rewritten in
// place, first shown after a second (or QUENTARB_PROGRESS_AFTER_MS), at most ten times a second, cleared at
// the end.
#ifndef QT_APP_PROGRESS_H
#define QT_APP_PROGRESS_H

#include <chrono>
#include <string>

namespace qtapp {

// The delay before the first line: QUENTARB_PROGRESS_AFTER_MS, or a second when it is unset or
// empty.
// A UsageError when it is not a whole number of milliseconds; a very large one is never.
std::chrono::milliseconds progressDelay();

class Progress {
  public:
    Progress();  // on when standard error is a terminal
    explicit Progress(bool on);
    ~Progress();  // clears the line
    Progress(const Progress&) = delete;
    Progress& operator=(const Progress&) = delete;

    // "event 12 of 400, 5031 art objects" and the time so far; cheap when nothing is due.
    void events(size_t done, size_t total, size_t art);
    // A step named in words ("writing out.png", "piece 3 of 28").
    void step(const std::string& what);
    // Clears the line, so that what is printed next starts on a clean line.
    void clear();

  private:
    bool due();
    void show(const std::string& text);

    using Clock = std::chrono::steady_clock;
    bool on_;
    std::chrono::milliseconds after_;
    bool shown_ = false;
    Clock::time_point start_;
    Clock::time_point last_;
};

}  // namespace qtapp

#endif
