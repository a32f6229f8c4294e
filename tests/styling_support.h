// Helpers of the styling and shape tests: the host's random values, and making one
// particular host call of a drag event fail.
#ifndef QT_TESTS_STYLING_SUPPORT_H
#define QT_TESTS_STYLING_SUPPORT_H

#include <algorithm>
#include <random>
#include <string>

#include "driver_fixture.h"

namespace qttest {

// The host's random values: std::mt19937 from the seed (1 by default), 24 bits per value.
class HostDraws {
  public:
    AIReal next() { return static_cast<AIReal>(generator_() >> 8) * (1.0f / 16777216.0f); }
    void skip(int count) {
        for (int k = 0; k < count; ++k) next();
    }

  private:
    std::mt19937 generator_{1};
};

// Makes the `occurrence`-th call of `operation` ("AI Art Suite.DuplicateArt") in one drag
// event fail with `code`: each fallible call of the event is made to fail in turn until the
// one that ends the event is that call. The drag is left open (no mouse-up) so the failed
// event's art can be read; returns false when no such call ends the event.
inline bool failEventAt(qthost::Host& host, const std::string& operation, long occurrence, AIRealPoint from,
                        AIRealPoint to, ASErr code) {
    for (uint64_t n = 1; n <= 400; ++n) {
        host.mouseDown(from);
        host.setTracing(true);
        host.clearTrace();
        host.failNthCall(n, code);
        const ASErr result = host.mouseDrag(to, 255, 0);
        host.failNthCall(0, kNoErr);
        host.setTracing(false);
        const auto& trace = host.trace();
        if (result == code && !trace.empty() && trace.back() == operation &&
            std::count(trace.begin(), trace.end(), operation) == occurrence)
            return true;
        host.mouseUp();
        host.undoLastDrag();
    }
    return false;
}

}  // namespace qttest

#endif
