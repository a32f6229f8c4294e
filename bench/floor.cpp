#include "floor.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <ctime>

namespace qtbench {

FloorLoop::FloorLoop(size_t copies, size_t segmentsPerCopy)
    : copies_(copies), source_(std::max<size_t>(segmentsPerCopy, 1)), out_(copies * source_.size()) {
    for (size_t i = 0; i < source_.size(); ++i) {
        AIReal x = static_cast<AIReal>(i) * 10.0f;
        source_[i] = {{x, x * 0.5f}, {x, x * 0.5f}, {x, x * 0.5f}, true};
    }
}

void FloorLoop::run() {
    const size_t n = source_.size();
    AIPathSegment* out = out_.data();
    // A fixed rotation and a per-copy offset: the matrix work a layout needs per copy, with
    // none of a layout's own arithmetic (angles, random draws).
    const AIReal a = 0.8f, b = 0.6f;
    for (size_t c = 0; c < copies_; ++c) {
        const AIReal tx = static_cast<AIReal>(c), ty = static_cast<AIReal>(c) * 0.5f;
        auto move = [&](AIRealPoint p) {
            return AIRealPoint{a * p.h - b * p.v + tx, b * p.h + a * p.v + ty};
        };
        for (size_t s = 0; s < n; ++s) {
            const AIPathSegment& in = source_[s];
            out->p = move(in.p);
            out->in = move(in.in);
            out->out = move(in.out);
            out->corner = in.corner;
            ++out;
        }
    }
    benchmark::ClobberMemory();
}

double threadCpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

double floorSeconds(size_t copies, size_t segmentsPerCopy) {
    FloorLoop loop(copies, segmentsPerCopy);
    // Reading the thread's CPU clock is a system call: each sample runs the loop often enough
    // that the call does not count, and the median of the samples is taken.
    const size_t perSample = std::max<size_t>(1, 200'000 / std::max<size_t>(copies, 1));
    const size_t samples = copies > 50'000 ? 9 : 21;
    std::vector<double> seconds(samples);
    for (double& s : seconds) {
        const double start = threadCpuSeconds();
        for (size_t i = 0; i < perSample; ++i) loop.run();
        s = (threadCpuSeconds() - start) / static_cast<double>(perSample);
    }
    std::nth_element(seconds.begin(), seconds.begin() + samples / 2, seconds.end());
    return seconds[samples / 2];
}
}  // namespace qtbench
