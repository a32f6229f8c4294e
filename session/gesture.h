// Gesture files: a JSON list of mouse, palette, tool and undo events played in order.
#ifndef QT_SESSION_GESTURE_H
#define QT_SESSION_GESTURE_H

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "sdk/quen_tarb_sdk.h"
#include "session/limits.h"

namespace qtsession {

struct GestureEvent {
    // undo: the host's undo of the last finished drag, as a person's Undo; redo: the host's
    // redo of the drag undone last; cancel: Escape during a drag, which ends it as an up does
    // and leaves the document as before it.
    enum class Type { down, drag, up, set, tool, shape, reset, undo, redo, cancel };
    Type type = Type::down;
    AIRealPoint at{};        // down, drag
    int pressure = 255;      // drag
    uint32_t modifiers = 0;  // drag
    std::string option;      // set
    std::string value;       // set, as text
    int number = 0;          // tool, shape
};

// Parses a gesture document; a UsageError names the event and what is wrong with it. The text
// is UTF-8 without NUL bytes, mouse events come in order, every undo has a finished drag to
// undo and every redo an undone one, and there are at most `maxDrags` drag events.
std::vector<GestureEvent> parseGesture(const std::string& text, uint64_t maxDrags = UINT64_MAX);
// UsageError when `text` holds a NUL byte or is not UTF-8, naming the first bad byte.
void checkGestureText(std::string_view text);
// The file's text, refused (UsageError) when it holds more than `maxBytes` bytes: a device
// such as /dev/zero is read only that far.
std::string readGestureText(const std::string& path, uint64_t maxBytes = Limits{}.gestureBytes);
// The file read and parsed within the limits' gesture size and drag events.
std::vector<GestureEvent> readGestureFile(const std::string& path, const Limits& limits = {});

// True when the last mouse event leaves the button down (a down with no up after it).
bool endsWithMouseDown(const std::vector<GestureEvent>& events);

// The events of a straight drag: a down at `from`, `steps` drags evenly spaced with the last
// exactly at `to`, an up.
std::vector<GestureEvent> straightDrag(AIRealPoint from, AIRealPoint to, int steps, int pressure,
                                       uint32_t modifiers);

}  // namespace qtsession

#endif
