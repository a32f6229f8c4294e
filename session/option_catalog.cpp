// Every option of the plug-in as the command line names it, read from the option table
// (resources/option_table.def): store name, type, default, the palette item that edits it
// (-1: none), the tool it belongs to (-1: shared) and the caption beside its control (empty
// for popups, whose label is their entry 0, and for options without a control). The plug-in
// keeps its store to itself; the host reaches options only through these controls.
#include "session/option_catalog.h"

#include <algorithm>

namespace qtsession {

namespace {

#define QT_OPTION_TYPE_Int OptionType::int32
#define QT_OPTION_TYPE_Real OptionType::real
#define QT_OPTION_TYPE_Bool OptionType::boolean

constexpr OptionInfo kOptions[] = {
#define QT_OPTION(name, type, def, min, max, item, tool, control, caption) \
    {#name, QT_OPTION_TYPE_##type, def, item, tool, caption},
#include "resources/option_table.def"
#undef QT_OPTION
};

constexpr ControlTip kTips[] = {
#define QT_OPTION_TIP(name, what, tip) {#name, -1, what, tip},
#define QT_ITEM_TIP(item, what, tip) {"", item, what, tip},
#include "resources/option_tips.def"
#undef QT_OPTION_TIP
#undef QT_ITEM_TIP
};

}  // namespace

std::span<const OptionInfo> optionCatalog() { return kOptions; }

std::span<const ControlTip> controlTips() { return kTips; }

const ControlTip* tipForItem(int item) {
    for (const ControlTip& tip : kTips) {
        if (tip.item == item && tip.item >= 0) return &tip;
        if (tip.item < 0) {
            const OptionInfo* option = findOption(tip.option);
            if (option && option->item == item) return &tip;
        }
    }
    return nullptr;
}

const OptionInfo* findOption(std::string_view name) {
    auto it = std::find_if(std::begin(kOptions), std::end(kOptions),
                           [&](const OptionInfo& o) { return o.name == name; });
    return it == std::end(kOptions) ? nullptr : &*it;
}

}  // namespace qtsession
