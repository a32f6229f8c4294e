// Reading a gesture document as it streams past (nlohmann's SAX interface). No tree of the
// whole file is built: a tree of a million events takes far more memory than the events, and
// taking it down needs memory again, which under a memory limit ends the program. The reader
// keeps only the fields an event may have, and stops keeping events at the first problem,
// while it reads on to find the one to report: bad JSON first, then a bad file or event, then
// the mouse order, then the number of drags.
#include <algorithm>
#include <array>
#include <limits>
#include <nlohmann/json.hpp>
#include <optional>
#include <sstream>
#include <string_view>

#include "host/run_errors.h"
#include "resources/tool_table.h"
#include "session/gesture.h"
#include "session/option_change.h"
#include "session/parse.h"

namespace qtsession {

using qthost::printable;
using qthost::UsageError;

namespace {

using nlohmann::json;

// A field's value as far as an event needs it: its kind and scalar, or for an array the
// number of its elements and the first two, when every element is a number.
struct Field {
    enum class Kind { null, boolean, integer, unsignedInteger, real, string, array, object };
    Kind kind = Kind::null;
    bool boolean = false;
    long long integer = 0;
    uint64_t unsignedInteger = 0;
    double real = 0.0;
    std::string text;
    size_t elements = 0;
    bool allNumbers = true;
    std::array<double, 2> first{};

    bool isWhole() const { return kind == Kind::integer || kind == Kind::unsignedInteger; }
    bool isNumber() const { return isWhole() || kind == Kind::real; }
    double number() const {
        if (kind == Kind::integer) return static_cast<double>(integer);
        if (kind == Kind::unsignedInteger) return static_cast<double>(unsignedInteger);
        return real;
    }
};

// The keys an event may have; any other key is skipped. Of a key given twice the last counts.
enum class Key { type, at, pressure, modifiers, option, value, tool, shape };
constexpr std::array<std::string_view, 8> kKeys = {"type",   "at",    "pressure", "modifiers",
                                                   "option", "value", "tool",     "shape"};

std::optional<Key> keyNamed(std::string_view name) {
    for (size_t i = 0; i < kKeys.size(); ++i) {
        if (kKeys[i] == name) return static_cast<Key>(i);
    }
    return std::nullopt;
}

using EventFields = std::array<std::optional<Field>, kKeys.size()>;

// One event's fields made into an event, or a UsageError naming the event and what is wrong.
class EventCheck {
  public:
    EventCheck(const EventFields& fields, size_t index)
        : fields_(fields), where_("gesture event " + std::to_string(index)) {}

    [[noreturn]] void fail(const std::string& what) const { throw UsageError(where_ + ": " + what); }

    const Field& field(Key key) const {
        const std::optional<Field>& f = fields_[static_cast<size_t>(key)];
        if (!f) fail(std::string("missing \"") + std::string(kKeys[static_cast<size_t>(key)]) + "\"");
        return *f;
    }
    bool has(Key key) const { return fields_[static_cast<size_t>(key)].has_value(); }

    AIRealPoint point() const {
        const Field& at = field(Key::at);
        if (at.kind != Field::Kind::array || at.elements != 2 || !at.allNumbers)
            fail("\"at\" must be [x, y]");
        if (!fitsReal(at.first[0]) || !fitsReal(at.first[1])) fail("\"at\" must be finite");
        return {static_cast<AIReal>(at.first[0]), static_cast<AIReal>(at.first[1])};
    }

    long long integer(Key key, long long lo, long long hi) const {
        const Field& value = field(key);
        const std::string name = "\"" + std::string(kKeys[static_cast<size_t>(key)]) + "\"";
        if (!value.isWhole()) fail(name + " must be a whole number");
        const bool inRange = value.kind == Field::Kind::unsignedInteger
                                 ? value.unsignedInteger >= static_cast<uint64_t>(std::max(lo, 0LL)) &&
                                       value.unsignedInteger <= static_cast<uint64_t>(hi)
                                 : value.integer >= lo && value.integer <= hi;
        if (!inRange) fail(name + " must be " + std::to_string(lo) + " to " + std::to_string(hi));
        return value.kind == Field::Kind::unsignedInteger ? static_cast<long long>(value.unsignedInteger)
                                                          : value.integer;
    }

    std::string valueText() const {
        const Field& value = field(Key::value);
        switch (value.kind) {
            case Field::Kind::boolean: return value.boolean ? "true" : "false";
            case Field::Kind::integer: return std::to_string(value.integer);
            case Field::Kind::unsignedInteger: return std::to_string(value.unsignedInteger);
            case Field::Kind::real: {
                std::ostringstream text;
                text.precision(17);
                text << value.real;
                return text.str();
            }
            case Field::Kind::string: return value.text;
            default: fail("\"value\" must be a number, a boolean or a string");
        }
    }

    GestureEvent event() const {
        const Field& type = field(Key::type);
        if (type.kind != Field::Kind::string) fail("\"type\" must be a string");
        const std::string& kind = type.text;
        GestureEvent e;
        if (kind == "down") {
            e.type = GestureEvent::Type::down;
            e.at = point();
        } else if (kind == "drag") {
            e.type = GestureEvent::Type::drag;
            e.at = point();
            if (has(Key::pressure)) e.pressure = static_cast<int>(integer(Key::pressure, 0, 255));
            if (has(Key::modifiers))
                e.modifiers = static_cast<uint32_t>(integer(Key::modifiers, 0, 0xFFFFFFFFLL));
        } else if (kind == "up") {
            e.type = GestureEvent::Type::up;
        } else if (kind == "set") {
            e.type = GestureEvent::Type::set;
            const Field& option = field(Key::option);
            if (option.kind != Field::Kind::string) fail("\"option\" must be a string");
            e.option = option.text;
            e.value = valueText();
            checkedOptionChange(e.option, e.value,
                                where_ + ": set");  // as the palette's control will take it
        } else if (kind == "tool") {
            e.type = GestureEvent::Type::tool;
            const Field& tool = field(Key::tool);
            if (tool.kind == Field::Kind::string) {
                try {
                    e.number = parseTool(tool.text);
                } catch (const UsageError& error) {
                    fail(error.what());
                }
            } else {
                e.number = static_cast<int>(integer(Key::tool, 0, qttable::kToolCount - 1));
            }
        } else if (kind == "shape") {
            e.type = GestureEvent::Type::shape;
            e.number = static_cast<int>(integer(Key::shape, 0, qttable::kShapeCount - 1));
        } else if (kind == "reset") {
            e.type = GestureEvent::Type::reset;
        } else if (kind == "undo") {
            e.type = GestureEvent::Type::undo;
        } else if (kind == "redo") {
            e.type = GestureEvent::Type::redo;
        } else if (kind == "cancel") {
            e.type = GestureEvent::Type::cancel;
        } else {
            fail("unknown type \"" + printable(kind) +
                 "\" (down, drag, up, set, tool, shape, reset, undo, redo, cancel)");
        }
        return e;
    }

  private:
    const EventFields& fields_;
    std::string where_;
};

// A mouse button is either up or down: a drag, an up or a cancel needs a down before it, and a
// down needs the previous drag's up. An undo takes back the last finished drag not yet undone,
// so it needs one, and it cannot come between a down and its up; a redo needs an undo since
// the last down. The text of the first event out of order, or empty.
class MouseOrder {
  public:
    std::string next(const GestureEvent& e, size_t index) {
        using Type = GestureEvent::Type;
        const std::string where = "gesture event " + std::to_string(index) + ": ";
        switch (e.type) {
            case Type::down:
                if (down_) return where + "a down while the mouse is already down";
                down_ = true;
                redoable_ = 0;
                break;
            case Type::drag:
                if (!down_) return where + "a drag with no down before it";
                break;
            case Type::up:
                if (!down_) return where + "an up with no down before it";
                down_ = false;
                ++undoable_;
                break;
            case Type::undo:
                if (down_) return where + "an undo in the middle of a drag (before its up)";
                if (undoable_ == 0) return where + "an undo with no finished drag to undo";
                --undoable_;
                ++redoable_;
                break;
            case Type::redo:
                if (down_) return where + "a redo in the middle of a drag (before its up)";
                if (redoable_ == 0) return where + "a redo with no undone drag to redo";
                --redoable_;
                ++undoable_;
                break;
            case Type::cancel:
                if (!down_) return where + "a cancel with no down before it";
                down_ = false;
                break;
            default: break;
        }
        return {};
    }

  private:
    bool down_ = false;
    size_t undoable_ = 0;  // finished drags not yet undone
    size_t redoable_ = 0;  // drags undone since the last down
};

// The SAX handler. Containers are told apart by their depth: 1 the document, 2 the events
// array, 3 an event, 4 an array in an event's field; anything deeper is skipped.
class Reader {
  public:
    explicit Reader(uint64_t maxDrags) : maxDrags_(maxDrags) {}

    bool null() { return scalar(Field{}); }
    bool boolean(bool b) {
        Field f;
        f.kind = Field::Kind::boolean;
        f.boolean = b;
        return scalar(std::move(f));
    }
    bool number_integer(json::number_integer_t n) {
        Field f;
        f.kind = Field::Kind::integer;
        f.integer = n;
        return scalar(std::move(f));
    }
    bool number_unsigned(json::number_unsigned_t n) {
        Field f;
        f.kind = Field::Kind::unsignedInteger;
        f.unsignedInteger = n;
        return scalar(std::move(f));
    }
    bool number_float(json::number_float_t x, const std::string&) {
        Field f;
        f.kind = Field::Kind::real;
        f.real = x;
        return scalar(std::move(f));
    }
    bool string(std::string& s) {
        Field f;
        f.kind = Field::Kind::string;
        if (depth_ == 3 && inEvent_ && key_) f.text = std::move(s);  // only an event's fields keep their text
        return scalar(std::move(f));
    }
    bool binary(json::binary_t&) { return scalar(Field{}); }  // JSON text has none
    bool start_object(std::size_t) { return open(Field::Kind::object); }
    bool start_array(std::size_t) { return open(Field::Kind::array); }
    bool end_object() { return close(); }
    bool end_array() { return close(); }
    bool key(std::string& name) {
        if (depth_ == 1) eventsKey_ = name == "events";
        if (depth_ == 3 && inEvent_) key_ = keyNamed(name);
        return true;
    }
    bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception& error) {
        syntax_ = error.what();
        return false;
    }

    std::vector<GestureEvent> result() {
        if (!syntax_.empty()) throw UsageError("gesture file is not JSON: " + syntax_);
        if (!document_ || !events_)
            throw UsageError("gesture file must be an object with an \"events\" array");
        if (eventError_) throw UsageError(*eventError_);
        if (orderError_) throw UsageError(*orderError_);
        if (drags_ > maxDrags_) {
            throw UsageError("--gesture: drag events: " + std::to_string(drags_) + " is over the limit of " +
                             std::to_string(maxDrags_) + "; raise it with --max-steps");
        }
        return std::move(list_);
    }

  private:
    // A value where `depth_` containers are open; `container` when it opens one.
    void value(const Field& f, bool container) {
        if (depth_ == 0) {
            document_ = f.kind == Field::Kind::object;
        } else if (depth_ == 1 && document_ && eventsKey_) {
            restart();
            events_ = f.kind == Field::Kind::array;
        } else if (depth_ == 2 && events_ && inEventsArray_) {
            if (f.kind == Field::Kind::object) {
                inEvent_ = true;
                key_.reset();
                fields_ = {};
            } else {
                problem("gesture event " + std::to_string(index_) + ": not an object");
                ++index_;
            }
        } else if (depth_ == 3 && inEvent_ && key_) {
            fields_[static_cast<size_t>(*key_)] = f;
            capturing_ = container && f.kind == Field::Kind::array;
        } else if (depth_ == 4 && capturing_) {
            Field& array = *fields_[static_cast<size_t>(*key_)];
            if (array.elements < array.first.size() && f.isNumber()) array.first[array.elements] = f.number();
            array.allNumbers = array.allNumbers && f.isNumber();
            ++array.elements;
        }
    }

    bool scalar(Field f) {
        value(f, false);
        return true;
    }

    bool open(Field::Kind kind) {
        Field f;
        f.kind = kind;
        value(f, true);
        if (depth_ == 1 && document_ && eventsKey_ && events_) inEventsArray_ = true;
        ++depth_;
        return true;
    }

    bool close() {
        --depth_;
        if (depth_ == 3) capturing_ = false;
        if (depth_ == 2 && inEvent_) {
            inEvent_ = false;
            finishEvent();
        }
        if (depth_ == 1) inEventsArray_ = false;
        return true;
    }

    void finishEvent() {
        try {
            GestureEvent e = EventCheck(fields_, index_).event();
            if (std::string outOfOrder = order_.next(e, index_); !outOfOrder.empty() && !orderError_) {
                orderError_ = outOfOrder;
                keeping_ = false;
            }
            if (e.type == GestureEvent::Type::drag && ++drags_ > maxDrags_) keeping_ = false;
            if (keeping_) list_.push_back(std::move(e));
        } catch (const UsageError& error) {
            problem(error.what());
        }
        ++index_;
    }

    void problem(const std::string& what) {
        if (!eventError_) eventError_ = what;
        keeping_ = false;
    }

    // A later "events" key replaces an earlier one, as in a JSON object.
    void restart() {
        list_.clear();
        eventError_.reset();
        orderError_.reset();
        order_ = MouseOrder{};
        index_ = 0;
        drags_ = 0;
        keeping_ = true;
    }

    uint64_t maxDrags_;
    size_t depth_ = 0;
    bool document_ = false;   // the document is an object
    bool eventsKey_ = false;  // the key just read in the document is "events"
    bool events_ = false;     // the (last) "events" value is an array
    bool inEventsArray_ = false;
    bool inEvent_ = false;
    std::optional<Key> key_;  // the event's key just read, when it is one an event has
    bool capturing_ = false;  // inside the array of an event's field
    EventFields fields_;
    size_t index_ = 0;
    MouseOrder order_;
    uint64_t drags_ = 0;
    bool keeping_ = true;
    std::vector<GestureEvent> list_;
    std::string syntax_;
    std::optional<std::string> eventError_;
    std::optional<std::string> orderError_;
};

}  // namespace

std::vector<GestureEvent> parseGesture(const std::string& text, uint64_t maxDrags) {
    checkGestureText(text);
    Reader reader(maxDrags);
    json::sax_parse(text, &reader);
    return reader.result();
}

}  // namespace qtsession
