// The palette as data: one row per control, in the order the init procedure builds them.
// The init procedure, the option-change handler and Reset all walk these rows, so a
// control's identifier, kind, range and option are written down exactly once.
#ifndef QT_OPTIONS_CONTROLS_H
#define QT_OPTIONS_CONTROLS_H

#include <cstdint>
#include <span>

#include "sdk/QuenTarbSDK.h"

namespace options {

enum class Kind { staticText, intSpin, floatSpin, checkBox, popup, pushButton };

// The notification procedure a control gets.
enum class Proc { none, optionChanged, reset, toolSelector, colourMode };

// A run of popup entries: a single literal text, or `text` followed by each of the numbers
// `first` to `last` and then `suffix` (" Apply 1" ... " Apply 42", " Alternate 1/path" ...).
struct EntryRun {
    const char* text;
    int32_t first = 0;
    int32_t last = -1;  // below `first`: the text is one entry as it stands
    const char* suffix = "";

    constexpr int32_t size() const { return last < first ? 1 : last - first + 1; }
};

// The option a control edits; at most one pointer is set, matching the control's kind.
struct OptionRef {
    int32_t* integer = nullptr;
    float* real = nullptr;
    bool* boolean = nullptr;
};

struct Control {
    int32_t id;
    Kind kind;
    ADMRect bounds;  // left, top, right, bottom, relative to the dialog
    const char* caption = nullptr;
    float min = 0.0f;  // spin edits; whole numbers for the integer ones
    float max = 0.0f;
    bool maxIsSwatchCount = false;  // the swatch spin edits: max is the document's swatch count
    std::span<const EntryRun> entries{};
    OptionRef option{};
    Proc proc = Proc::none;
};

constexpr Control staticText(int32_t id, ADMRect r, const char* caption) {
    return {.id = id, .kind = Kind::staticText, .bounds = r, .caption = caption};
}
constexpr Control intSpin(int32_t id, ADMRect r, int32_t min, int32_t max, int32_t* option) {
    return {.id = id,
            .kind = Kind::intSpin,
            .bounds = r,
            .min = static_cast<float>(min),
            .max = static_cast<float>(max),
            .option = {.integer = option},
            .proc = Proc::optionChanged};
}
constexpr Control swatchSpin(int32_t id, ADMRect r, int32_t* option) {
    Control c = intSpin(id, r, 0, 0, option);
    c.maxIsSwatchCount = true;
    return c;
}
constexpr Control floatSpin(int32_t id, ADMRect r, float min, float max, float* option) {
    return {.id = id,
            .kind = Kind::floatSpin,
            .bounds = r,
            .min = min,
            .max = max,
            .option = {.real = option},
            .proc = Proc::optionChanged};
}
constexpr Control checkBox(int32_t id, ADMRect r, const char* caption, bool* option) {
    return {.id = id,
            .kind = Kind::checkBox,
            .bounds = r,
            .caption = caption,
            .option = {.boolean = option},
            .proc = Proc::optionChanged};
}
constexpr Control popup(int32_t id, ADMRect r, std::span<const EntryRun> entries, int32_t* option,
                        Proc proc = Proc::optionChanged) {
    return {.id = id,
            .kind = Kind::popup,
            .bounds = r,
            .entries = entries,
            .option = {.integer = option},
            .proc = proc};
}
constexpr Control pushButton(int32_t id, ADMRect r, const char* caption, Proc proc) {
    return {.id = id, .kind = Kind::pushButton, .bounds = r, .caption = caption, .proc = proc};
}

constexpr int32_t kToolCount = 13;

// The controls of tool `tool`'s page (0 to 12), in building order.
std::span<const Control> toolPage(int32_t tool);
// Pages 5 to 12, kept in a file of their own; empty for any other number.
std::span<const Control> toolPageFrom5(int32_t tool);
// The shared controls below the pages, in building order, the tool selector last.
std::span<const Control> sharedControls();

// The title the palette takes when tool `tool` is chosen, and the items of its page in the
// order the tool selector shows them.
const char* toolTitle(int32_t tool);
std::span<const int32_t> toolPageItems(int32_t tool);

// Calls `visit` for every control in building order: pages 0 to 12, then the shared ones.
template <typename Visit>
void forEachControl(Visit&& visit) {
    for (int32_t tool = 0; tool < kToolCount; ++tool)
        for (const Control& c : toolPage(tool)) visit(c, tool);
    for (const Control& c : sharedControls()) visit(c, -1);
}

}  // namespace options

#endif
