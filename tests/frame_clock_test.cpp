// The five-second duplicate window against a clock the test sets. The plug-in reads the
// calendar time from the C library; this test program exports its own time(), which the
// loaded module binds to ahead of the library's, so no test has to sleep.
#include <gtest/gtest.h>
#include <time.h>

#include <atomic>

#include "fixture.h"

namespace {

std::atomic<long long> gFakeNow{-1};  // -1: the real clock
std::atomic<long long> gFakeStep{0};  // added to the fake clock after every read

constexpr ASErr kArtGone = QT_FOURCC('A', 'R', 'T', '?');

struct FakeClock {
    explicit FakeClock(long long now) { gFakeNow = now; }
    ~FakeClock() {
        gFakeNow = -1;
        gFakeStep = 0;
    }
    void set(long long now) { gFakeNow = now; }
    // Every read of the clock moves it on by `seconds`.
    void advanceOnEveryRead(long long seconds) { gFakeStep = seconds; }
};

}  // namespace

extern "C" time_t time(time_t* out) noexcept {
    time_t now;
    long long fake = gFakeNow.fetch_add(gFakeStep.load());
    if (fake >= 0) {
        now = static_cast<time_t>(fake);
    } else {
        timespec ts{};
        clock_gettime(CLOCK_REALTIME, &ts);
        now = ts.tv_sec;
    }
    if (out) *out = now;
    return now;
}

namespace {

TEST(FrameClock, TheSameErrorIsShownAgainOnceFiveSecondsHavePassed) {
    FakeClock clock(1000);
    auto host = qttest::startedHost();
    auto failUp = [&](ASErr code) {
        host->failNthCall(1, code);
        return host->mouseUp();
    };
    const auto& alerts = host->records().alerts;
    struct Step {
        long long now;
        ASErr error;
        size_t alerts;
        const char* why;
    };
    const Step steps[] = {
        {1000, kInjectedFaultErr, 1, "first report"},
        {1004, kInjectedFaultErr, 1, "same error 4 s later: inside the window"},
        {1005, kInjectedFaultErr, 2, "same error 5 s after it was shown: the window has closed"},
        {1006, kInjectedFaultErr, 2, "the window restarts from the last alert"},
        {1007, kArtGone, 3, "another error is shown at once"},
        {1008, kArtGone, 3, "and is itself suppressed"},
    };
    for (const Step& step : steps) {
        clock.set(step.now);
        EXPECT_EQ(failUp(step.error), step.error) << step.why;
        EXPECT_EQ(alerts.size(), step.alerts) << step.why;
    }
    host->shutdown();
}

// An error is reported once, where it leaves the plug-in: a clock that has moved past the
// window between two reports of the same failure must not show it twice.
TEST(FrameClock, OneFailureIsOneAlertWhateverTheClockDoes) {
    FakeClock clock(1000);
    auto host = qttest::startedHost();
    clock.advanceOnEveryRead(60);
    host->failNthCall(1, kInjectedFaultErr);
    EXPECT_EQ(host->mouseUp(), kInjectedFaultErr);
    EXPECT_EQ(host->records().alerts.size(), 1u);
    host->shutdown();
}

}  // namespace
