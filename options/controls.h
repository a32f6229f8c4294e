// The palette as data: one row per control, in the order the init procedure builds them.
// The init procedure, the option-change handler and Reset all walk these rows. An option's
// control takes its item, kind, range, caption and store variable from the option table;
// a page adds only where it stands (and a popup's entry texts).
#ifndef QT_OPTIONS_CONTROLS_H
#define QT_OPTIONS_CONTROLS_H

#include <cstdint>
#include <span>

#include "options/option_table.h"
#include "resources/tool_table.h"
#include "sdk/quen_tarb_sdk.h"

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
// The label of a row of spin edits: the row's caption as the table gives it for `option`.
constexpr Control label(int32_t id, ADMRect r, Option option) {
    return staticText(id, r, spec(option).caption);
}

constexpr int32_t entryCount(std::span<const EntryRun> entries) {
    int32_t n = 0;
    for (const EntryRun& run : entries) n += run.size();
    return n;
}

// The control that edits `option`, at `r`. A popup brings its entry texts, which must
// match the table's range (a mismatch does not compile); `proc` overrides the option
// handler (the colour modes).
constexpr Control control(Option option, ADMRect r, std::span<const EntryRun> entries = {},
                          Proc proc = Proc::optionChanged) {
    const OptionSpec& o = spec(option);
    Control c{.id = o.item,
              .kind = Kind::popup,
              .bounds = r,
              .min = o.min,
              .max = o.max,
              .option = o.ref,
              .proc = proc};
    switch (o.control) {
        case ControlType::Spin:
        case ControlType::Swatch:
            c.kind = o.type == OptionType::Real ? Kind::floatSpin : Kind::intSpin;
            c.maxIsSwatchCount = o.control == ControlType::Swatch;
            break;
        case ControlType::Check:
            c.kind = Kind::checkBox;
            c.caption = o.caption;
            break;
        case ControlType::Tool: c.proc = Proc::toolSelector; [[fallthrough]];
        case ControlType::Popup:
            c.kind = Kind::popup;
            c.entries = entries;
            if (entryCount(entries) != static_cast<int32_t>(o.max) + 1)
                throw "popup entries do not match the option table";
            break;
        case ControlType::None: throw "this option has no control";
    }
    return c;
}
constexpr Control pushButton(int32_t id, ADMRect r, const char* caption, Proc proc) {
    return {.id = id, .kind = Kind::pushButton, .bounds = r, .caption = caption, .proc = proc};
}

constexpr int32_t kToolCount = qttable::kToolCount;

// The controls of tool `tool`'s page (0 to kToolCount - 1), in building order; empty for any other
// number. The pages themselves are in options/tool_pages.h.
std::span<const Control> toolPage(int32_t tool);
// The shared controls below the pages, in building order, the tool selector last.
std::span<const Control> sharedControls();

// The title the palette takes when tool `tool` is chosen.
const char* toolTitle(int32_t tool);

// Calls `visit` for every control in building order: the tool pages in number order, then the
// shared ones.
template <typename Visit>
void forEachControl(Visit&& visit) {
    for (int32_t tool = 0; tool < kToolCount; ++tool)
        for (const Control& c : toolPage(tool)) visit(c, tool);
    for (const Control& c : sharedControls()) visit(c, -1);
}

}  // namespace options

#endif
