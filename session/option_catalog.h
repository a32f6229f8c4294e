// The catalogue of options every front end can list and set, expanded from the option table
// (resources/option_table.def), and the palette's other controls by name: the tool selector
// and the line type (the options currenttool and currentpath) and the push buttons
// (resources/palette_buttons.def). The plug-in keeps its store to itself; the host reaches
// options only through these controls.
#ifndef QT_SESSION_OPTION_CATALOG_H
#define QT_SESSION_OPTION_CATALOG_H

#include <cstddef>
#include <iterator>
#include <span>
#include <string_view>

#include "resources/option_types.h"
#include "resources/tool_table.h"

namespace qtsession {

using qttable::ControlType;
using qttable::OptionType;
using qttable::typeName;

struct OptionInfo {
    std::string_view name;
    OptionType type;
    double defaultValue;
    // The range the control accepts: a spin edit's limits, a popup's first and last entry,
    // 0 and 1 for a check box; 0, 0 when the range is the document's (a swatch) or no
    // control edits the option.
    double min, max;
    int item;  // palette item, -1 when no control edits it
    int tool;  // the tool page it stands on, -1 for a shared option
    ControlType control;
    int entries;  // a popup's (or the tool selector's) number of entries, 0 for any other control
    std::string_view caption;  // empty for popups and for controls without a caption
};

namespace catalog {

// A popup's entries run from 0 to its max (the palette checks its entry texts against it).
#define QT_OPTION_ENTRIES_Spin(max) 0
#define QT_OPTION_ENTRIES_Swatch(max) 0
#define QT_OPTION_ENTRIES_Check(max) 0
#define QT_OPTION_ENTRIES_None(max) 0
#define QT_OPTION_ENTRIES_Popup(max) (max) + 1
#define QT_OPTION_ENTRIES_Tool(max) (max) + 1

inline constexpr OptionInfo kOptions[] = {
#define QT_OPTION(name, type, def, min, max, item, tool, control, caption) \
    {#name,                                                                \
     OptionType::type,                                                     \
     def,                                                                  \
     min,                                                                  \
     max,                                                                  \
     item,                                                                 \
     tool,                                                                 \
     ControlType::control,                                                 \
     QT_OPTION_ENTRIES_##control(max),                                     \
     caption},
#include "resources/option_table.def"
#undef QT_OPTION
};

#undef QT_OPTION_ENTRIES_Spin
#undef QT_OPTION_ENTRIES_Swatch
#undef QT_OPTION_ENTRIES_Check
#undef QT_OPTION_ENTRIES_None
#undef QT_OPTION_ENTRIES_Popup
#undef QT_OPTION_ENTRIES_Tool

struct Button {
    std::string_view name;
    int item;
};

inline constexpr Button kButtons[] = {
#define QT_BUTTON(name, item, caption) {#name, item},
#include "resources/palette_buttons.def"
#undef QT_BUTTON
};

}  // namespace catalog

// Every option, in the table's order.
constexpr std::span<const OptionInfo> optionCatalog() { return catalog::kOptions; }

// The index of option `name` in the catalogue; -1 for none. Compile-time lookups go by
// index: GCC's sanitizers do not fold a pointer test in a constant expression.
constexpr int optionIndex(std::string_view name) {
    for (std::size_t i = 0; i < std::size(catalog::kOptions); ++i)
        if (catalog::kOptions[i].name == name) return static_cast<int>(i);
    return -1;
}

// The option called `name`; null for none.
constexpr const OptionInfo* findOption(std::string_view name) {
    const int index = optionIndex(name);
    return index < 0 ? nullptr : &catalog::kOptions[index];
}

// For constants (front ends, tests): the palette item of option `name`, or of the push
// button `name`. A name the tables do not have does not compile.
consteval int optionItem(std::string_view name) {
    const int index = optionIndex(name);
    if (index < 0) throw "option_table.def has no option of this name";
    return catalog::kOptions[index].item;
}
consteval int buttonItem(std::string_view name) {
    for (const catalog::Button& button : catalog::kButtons)
        if (button.name == name) return button.item;
    throw "palette_buttons.def has no button of this name";
}

// The controls every front end drives.
inline constexpr int kToolSelectorItem = optionItem("currenttool");
inline constexpr int kLineTypeItem = optionItem("currentpath");
inline constexpr int kResetItem = buttonItem("reset");

// The two tables agree on the selectors: one entry per tool, one per shape.
static_assert(catalog::kOptions[optionIndex("currenttool")].entries == qttable::kToolCount);
static_assert(catalog::kOptions[optionIndex("currentpath")].entries == qttable::kShapeCount);

// A palette control's tooltip (resources/option_tips.def): by the option it edits, or by its
// item for a push button, which edits none (option empty, item set).
struct ControlTip {
    std::string_view option;
    int item;               // -1 for a row keyed by option
    std::string_view what;  // a short name where the caption does not tell the control apart
    std::string_view tip;
};
std::span<const ControlTip> controlTips();
// The tip of the control at palette item `item`, or null.
const ControlTip* tipForItem(int item);

}  // namespace qtsession

#endif
