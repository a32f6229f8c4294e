// Progress lines on a terminal.
#include "app/progress.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#include "app/numbers.h"
#include "host/run_errors.h"

namespace qtapp {

using qthost::printable;

namespace {

constexpr auto kEvery = std::chrono::milliseconds(100);

void writeAll(const std::string& text) {
    const char* p = text.data();
    size_t left = text.size();
    while (left > 0) {
        ssize_t n = write(STDERR_FILENO, p, left);
        if (n <= 0) return;  // progress is a courtesy: a failing terminal is not an error
        p += n;
        left -= static_cast<size_t>(n);
    }
}

}  // namespace

// Work shorter than this shows no progress. QUENTARB_PROGRESS_AFTER_MS sets another delay, so
// that a test sees the line without a long run; a delay past a year is never.
std::chrono::milliseconds progressDelay() {
    constexpr long long kNever = 365LL * 24 * 3600 * 1000;
    const char* text = std::getenv("QUENTARB_PROGRESS_AFTER_MS");
    if (!text || !*text) return std::chrono::seconds(1);
    return std::chrono::milliseconds(millisecondsUpTo(text, "QUENTARB_PROGRESS_AFTER_MS", kNever));
}

Progress::Progress() : Progress(isatty(STDERR_FILENO) == 1) {}

Progress::Progress(bool on)
    : on_(on),
      after_(on ? progressDelay() : std::chrono::milliseconds(0)),
      start_(Clock::now()),
      last_(start_) {}

Progress::~Progress() { clear(); }

void Progress::clear() {
    if (shown_) writeAll("\r\033[K");
    shown_ = false;
}

bool Progress::due() {
    if (!on_) return false;
    Clock::time_point now = Clock::now();
    if (now - start_ < after_ || (shown_ && now - last_ < kEvery)) return false;
    last_ = now;
    return true;
}

void Progress::show(const std::string& text) {
    double seconds = std::chrono::duration<double>(Clock::now() - start_).count();
    char elapsed[32];
    std::snprintf(elapsed, sizeof elapsed, ", %.1f s", seconds);
    writeAll("\rquentarb: " + printable(text) + elapsed + "\033[K");
    shown_ = true;
}

void Progress::events(size_t done, size_t total, size_t art) {
    if (!due()) return;
    show("event " + std::to_string(done) + " of " + std::to_string(total) + ", " + std::to_string(art) +
         " art objects");
}

void Progress::step(const std::string& what) {
    if (!on_ || Clock::now() - start_ < after_) return;
    last_ = Clock::now();
    show(what);
}

}  // namespace qtapp
