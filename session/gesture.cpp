// Reading gesture files.
#include "session/gesture.h"

#include <filesystem>
#include <fstream>

#include "host/run_errors.h"
#include "session/parse.h"

namespace qtsession {

using qthost::inQuotes;
using qthost::UsageError;

namespace {

// The length of the UTF-8 sequence at `p` (of `left` bytes), or 0 when it is not one: no
// overlong form, no surrogate, nothing past U+10FFFF.
size_t utf8Length(const unsigned char* p, size_t left) {
    const unsigned char b = p[0];
    if (b < 0x80) return 1;
    size_t n = 0;
    unsigned char lo = 0x80, hi = 0xBF;  // the range of the second byte
    if (b >= 0xC2 && b <= 0xDF) {
        n = 2;
    } else if (b >= 0xE0 && b <= 0xEF) {
        n = 3;
        if (b == 0xE0) lo = 0xA0;
        if (b == 0xED) hi = 0x9F;
    } else if (b >= 0xF0 && b <= 0xF4) {
        n = 4;
        if (b == 0xF0) lo = 0x90;
        if (b == 0xF4) hi = 0x8F;
    } else {
        return 0;
    }
    if (left < n || p[1] < lo || p[1] > hi) return 0;
    for (size_t i = 2; i < n; ++i) {
        if (p[i] < 0x80 || p[i] > 0xBF) return 0;
    }
    return n;
}

}  // namespace

void checkGestureText(std::string_view text) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
    for (size_t i = 0; i < text.size();) {
        if (bytes[i] == 0) throw UsageError("gesture file: byte " + std::to_string(i) + " is a NUL byte");
        const size_t n = utf8Length(bytes + i, text.size() - i);
        if (n == 0) throw UsageError("gesture file: byte " + std::to_string(i) + " is not UTF-8");
        i += n;
    }
}

std::string readGestureText(const std::string& path, uint64_t maxBytes) {
    auto tooLarge = [&] {
        return UsageError("--gesture: " + inQuotes(path) + " is larger than " + std::to_string(maxBytes) +
                          " bytes; raise the limit with --max-gesture-bytes");
    };
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec))
        throw UsageError("--gesture: " + inQuotes(path) + " is a folder");
    if (std::filesystem::is_regular_file(path, ec) && std::filesystem::file_size(path, ec) > maxBytes &&
        !ec) {
        throw tooLarge();
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) throw UsageError("--gesture: cannot read " + inQuotes(path));
    // Read up to one byte past the limit: a pipe or a device tells its size only so.
    std::string text;
    char buffer[65536];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        const auto n = static_cast<size_t>(in.gcount());
        if (text.size() + n > maxBytes) throw tooLarge();
        text.append(buffer, n);
    }
    if (in.bad()) throw UsageError("--gesture: cannot read " + inQuotes(path));
    return text;
}

std::vector<GestureEvent> readGestureFile(const std::string& path, const Limits& limits) {
    return parseGesture(readGestureText(path, limits.gestureBytes), limits.steps);
}

bool endsWithMouseDown(const std::vector<GestureEvent>& events) {
    bool down = false;
    for (const GestureEvent& e : events) {
        if (e.type == GestureEvent::Type::down) down = true;
        if (e.type == GestureEvent::Type::up || e.type == GestureEvent::Type::cancel) down = false;
    }
    return down;
}

std::vector<GestureEvent> straightDrag(AIRealPoint from, AIRealPoint to, int steps, int pressure,
                                       uint32_t modifiers) {
    std::vector<GestureEvent> events;
    GestureEvent down;
    down.type = GestureEvent::Type::down;
    down.at = from;
    events.push_back(down);
    for (int i = 1; i <= steps; ++i) {
        GestureEvent drag;
        drag.type = GestureEvent::Type::drag;
        drag.pressure = pressure;
        drag.modifiers = modifiers;
        if (i == steps) {
            drag.at = to;
        } else {
            double t = static_cast<double>(i) / steps;
            drag.at = {static_cast<AIReal>(from.h + (to.h - from.h) * t),
                       static_cast<AIReal>(from.v + (to.v - from.v) * t)};
        }
        events.push_back(drag);
    }
    GestureEvent up;
    up.type = GestureEvent::Type::up;
    events.push_back(up);
    return events;
}

}  // namespace qtsession
