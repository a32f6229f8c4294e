// Fuzz target: the command line's value parsers and the gesture-file parser. The first byte
// picks the parser, the rest is its text. A parser either returns a value or throws a
// UsageError that names what is wrong; any other exception, a crash or a sanitizer report is
// a fault. Parsed values are checked for the promises the parsers make.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/messages.h"
#include "host/run_errors.h"
#include "resources/tool_table.h"
#include "session/gesture.h"
#include "session/parse.h"

namespace {

[[noreturn]] void broken(const char* what, const std::string& text) {
    std::fprintf(stderr, "invariant broken: %s (input \"%s\")\n", what, text.c_str());
    std::abort();
}

bool finitePoint(AIRealPoint p) { return std::isfinite(p.h) && std::isfinite(p.v); }

// True when the gesture leaves the mouse down.
bool checkGesture(const std::vector<qtsession::GestureEvent>& events, const std::string& text) {
    using Type = qtsession::GestureEvent::Type;
    bool down = false;
    size_t undoable = 0;  // finished drags not yet undone
    size_t redoable = 0;  // drags undone since the last down
    for (const auto& e : events) {
        if (e.type == Type::down) {
            down = true;
            redoable = 0;
        }
        if (e.type == Type::up) {
            down = false;
            ++undoable;
        }
        if (e.type == Type::cancel) down = false;
        if (e.type == Type::undo) {
            if (down) broken("an undo in the middle of a drag", text);
            if (undoable == 0) broken("an undo with nothing to undo", text);
            --undoable;
            ++redoable;
        }
        if (e.type == Type::redo) {
            if (down) broken("a redo in the middle of a drag", text);
            if (redoable == 0) broken("a redo with nothing to redo", text);
            --redoable;
            ++undoable;
        }
        if ((e.type == Type::down || e.type == Type::drag) && !finitePoint(e.at)) {
            broken("a gesture point is not finite", text);
        }
        if (e.type == Type::drag && (e.pressure < 0 || e.pressure > 255))
            broken("pressure out of range", text);
        if (e.type == Type::tool && (e.number < 0 || e.number >= qttable::kToolCount))
            broken("tool out of range", text);
        if (e.type == Type::shape && (e.number < 0 || e.number >= qttable::kShapeCount))
            broken("shape out of range", text);
        if (e.type == Type::set && e.option.empty()) broken("set without an option", text);
    }
    return down;
}

// Every input is also a message text: escaped, it is one line with no control character,
// escaping again changes nothing, and text without control characters stays as it was.
void checkPrintable(const std::string& text) {
    const std::string shown = qthost::printable(text);
    bool controls = false;
    for (char c : text) controls |= static_cast<unsigned char>(c) < 0x20 || c == 0x7f;
    for (char c : shown) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f)
            broken("a control character in a message", text);
    }
    if (qthost::printable(shown) != shown) broken("escaping twice changed the message", text);
    if (!controls && shown != text) broken("a message without control characters was changed", text);
}

void parse(unsigned which, const std::string& text) {
    switch (which % 11) {
        case 0: {
            const std::vector<qtsession::GestureEvent> events = qtsession::parseGesture(text);
            if (checkGesture(events, text) != qtsession::endsWithMouseDown(events)) {
                broken("endsWithMouseDown disagrees with the events", text);
            }
            break;
        }
        case 1:
            if (!std::isfinite(qtsession::parseNumber(text, "--n")))
                broken("a number that is not finite", text);
            break;
        case 2: qtsession::parseInteger(text, "--i"); break;
        case 3:
            if (!finitePoint(qtsession::parsePoint(text, "--p"))) broken("a point that is not finite", text);
            break;
        case 4: {
            const AIRealRect r = qtsession::parseRect(text, "--r");
            if (!std::isfinite(r.left) || !std::isfinite(r.top) || !std::isfinite(r.right) ||
                !std::isfinite(r.bottom)) {
                broken("a rectangle that is not finite", text);
            }
            break;
        }
        case 5: qtsession::parseModifiers(text); break;
        case 6: qtsession::parseBool(text, "--b"); break;
        case 7: qtsession::parseColorModel(text); break;
        case 8: qtsession::parsePaint(text, "--fill"); break;
        case 9: {
            const int tool = qtsession::parseTool(text);
            if (tool < 0 || tool >= qttable::kToolCount) broken("tool out of range", text);
            if (qtsession::parseTool(qtsession::toolName(tool)) != tool)
                broken("a tool's name is not that tool", text);
            break;
        }
        default: checkGesture(qtsession::parseGesture(text), text); break;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
    checkPrintable(text);
    try {
        parse(data[0], text);
    } catch (const qthost::UsageError& e) {
        if (e.what()[0] == '\0') broken("an error that names nothing", text);
    }
    return 0;
}
