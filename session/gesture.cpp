// Reading gesture files.
#include "session/gesture.h"

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "host/run_errors.h"
#include "resources/tool_table.h"
#include "session/parse.h"

namespace qtsession {

using qthost::UsageError;
using qthost::inQuotes;
using qthost::printable;

namespace {

using nlohmann::json;

struct EventReader {
    const json& event;
    std::string where;

    [[noreturn]] void fail(const std::string& what) const { throw UsageError(where + ": " + what); }

    const json& field(const char* name) const {
        auto it = event.find(name);
        if (it == event.end()) fail(std::string("missing \"") + name + "\"");
        return *it;
    }

    AIRealPoint point() const {
        const json& at = field("at");
        if (!at.is_array() || at.size() != 2 || !at[0].is_number() || !at[1].is_number()) {
            fail("\"at\" must be [x, y]");
        }
        double x = at[0].get<double>(), y = at[1].get<double>();
        if (!fitsReal(x) || !fitsReal(y)) fail("\"at\" must be finite");
        return {static_cast<AIReal>(x), static_cast<AIReal>(y)};
    }

    long long integer(const char* name, long long lo, long long hi) const {
        const json& value = field(name);
        if (!value.is_number_integer()) fail(std::string("\"") + name + "\" must be a whole number");
        long long n = value.get<long long>();
        if (n < lo || n > hi) {
            fail(std::string("\"") + name + "\" must be " + std::to_string(lo) + " to " + std::to_string(hi));
        }
        return n;
    }
};

GestureEvent readEvent(const json& event, size_t index) {
    EventReader r{event, "gesture event " + std::to_string(index)};
    if (!event.is_object()) r.fail("not an object");
    const json& type = r.field("type");
    if (!type.is_string()) r.fail("\"type\" must be a string");
    std::string kind = type.get<std::string>();
    GestureEvent e;
    if (kind == "down") {
        e.type = GestureEvent::Type::down;
        e.at = r.point();
    } else if (kind == "drag") {
        e.type = GestureEvent::Type::drag;
        e.at = r.point();
        if (event.contains("pressure")) e.pressure = static_cast<int>(r.integer("pressure", 0, 255));
        if (event.contains("modifiers")) e.modifiers = static_cast<uint32_t>(r.integer("modifiers", 0, 0xFFFFFFFFLL));
    } else if (kind == "up") {
        e.type = GestureEvent::Type::up;
    } else if (kind == "set") {
        e.type = GestureEvent::Type::set;
        const json& option = r.field("option");
        if (!option.is_string()) r.fail("\"option\" must be a string");
        e.option = option.get<std::string>();
        const json& value = r.field("value");
        if (value.is_boolean()) {
            e.value = value.get<bool>() ? "true" : "false";
        } else if (value.is_number_integer()) {
            e.value = std::to_string(value.get<long long>());
        } else if (value.is_number()) {
            std::ostringstream text;
            text.precision(17);
            text << value.get<double>();
            e.value = text.str();
        } else if (value.is_string()) {
            e.value = value.get<std::string>();
        } else {
            r.fail("\"value\" must be a number, a boolean or a string");
        }
    } else if (kind == "tool") {
        e.type = GestureEvent::Type::tool;
        const json& tool = r.field("tool");
        if (tool.is_string()) {
            try {
                e.number = parseTool(tool.get<std::string>());
            } catch (const UsageError& error) {
                r.fail(error.what());
            }
        } else {
            e.number = static_cast<int>(r.integer("tool", 0, qttable::kToolCount - 1));
        }
    } else if (kind == "shape") {
        e.type = GestureEvent::Type::shape;
        e.number = static_cast<int>(r.integer("shape", 0, qttable::kShapeCount - 1));
    } else if (kind == "reset") {
        e.type = GestureEvent::Type::reset;
    } else if (kind == "undo") {
        e.type = GestureEvent::Type::undo;
    } else if (kind == "redo") {
        e.type = GestureEvent::Type::redo;
    } else if (kind == "cancel") {
        e.type = GestureEvent::Type::cancel;
    } else {
        r.fail("unknown type \"" + printable(kind) + "\" (down, drag, up, set, tool, shape, reset, undo, redo, cancel)");
    }
    return e;
}

// A mouse button is either up or down: a drag, an up or a cancel needs a down before it, and a
// down needs the previous drag's up. An undo takes back the last finished drag not yet undone,
// so it needs one, and it cannot come between a down and its up; a redo needs an undo since
// the last down.
void checkMouseOrder(const std::vector<GestureEvent>& events) {
    using Type = GestureEvent::Type;
    bool down = false;
    size_t undoable = 0;  // finished drags not yet undone
    size_t redoable = 0;  // drags undone since the last down
    for (size_t i = 0; i < events.size(); ++i) {
        std::string where = "gesture event " + std::to_string(i) + ": ";
        switch (events[i].type) {
            case Type::down:
                if (down) throw UsageError(where + "a down while the mouse is already down");
                down = true;
                redoable = 0;
                break;
            case Type::drag:
                if (!down) throw UsageError(where + "a drag with no down before it");
                break;
            case Type::up:
                if (!down) throw UsageError(where + "an up with no down before it");
                down = false;
                ++undoable;
                break;
            case Type::undo:
                if (down) throw UsageError(where + "an undo in the middle of a drag (before its up)");
                if (undoable == 0) throw UsageError(where + "an undo with no finished drag to undo");
                --undoable;
                ++redoable;
                break;
            case Type::redo:
                if (down) throw UsageError(where + "a redo in the middle of a drag (before its up)");
                if (redoable == 0) throw UsageError(where + "a redo with no undone drag to redo");
                --redoable;
                ++undoable;
                break;
            case Type::cancel:
                if (!down) throw UsageError(where + "a cancel with no down before it");
                down = false;
                break;
            default:
                break;
        }
    }
}

}  // namespace

std::vector<GestureEvent> parseGesture(const std::string& text) {
    json doc;
    try {
        doc = json::parse(text);
    } catch (const json::exception& error) {  // bad syntax, or a number no double holds
        throw UsageError(std::string("gesture file is not JSON: ") + error.what());
    }
    if (!doc.is_object() || !doc.contains("events") || !doc["events"].is_array()) {
        throw UsageError("gesture file must be an object with an \"events\" array");
    }
    std::vector<GestureEvent> events;
    const json& list = doc["events"];
    for (size_t i = 0; i < list.size(); ++i) events.push_back(readEvent(list[i], i));
    checkMouseOrder(events);
    return events;
}

std::string readGestureText(const std::string& path, uint64_t maxBytes) {
    auto tooLarge = [&] {
        return UsageError("--gesture: " + inQuotes(path) + " is larger than " + std::to_string(maxBytes) +
                          " bytes; raise the limit with --max-gesture-bytes");
    };
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) throw UsageError("--gesture: " + inQuotes(path) + " is a folder");
    if (std::filesystem::is_regular_file(path, ec) && std::filesystem::file_size(path, ec) > maxBytes && !ec) {
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

std::vector<GestureEvent> readGestureFile(const std::string& path, uint64_t maxBytes) {
    return parseGesture(readGestureText(path, maxBytes));
}

bool endsWithMouseDown(const std::vector<GestureEvent>& events) {
    bool down = false;
    for (const GestureEvent& e : events) {
        if (e.type == GestureEvent::Type::down) down = true;
        if (e.type == GestureEvent::Type::up || e.type == GestureEvent::Type::cancel) down = false;
    }
    return down;
}

size_t dragEventCount(const std::vector<GestureEvent>& events) {
    size_t n = 0;
    for (const GestureEvent& e : events) n += e.type == GestureEvent::Type::drag;
    return n;
}

std::vector<GestureEvent> straightDrag(AIRealPoint from, AIRealPoint to, int steps, int pressure, uint32_t modifiers) {
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
            drag.at = {static_cast<AIReal>(from.h + (to.h - from.h) * t), static_cast<AIReal>(from.v + (to.v - from.v) * t)};
        }
        events.push_back(drag);
    }
    GestureEvent up;
    up.type = GestureEvent::Type::up;
    events.push_back(up);
    return events;
}

}  // namespace qtsession
