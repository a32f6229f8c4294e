// The palette controls' tooltips (resources/option_tips.def); the option catalogue itself is
// constant and lives in the header.
#include "session/option_catalog.h"

namespace qtsession {

namespace {

constexpr ControlTip kTips[] = {
#define QT_OPTION_TIP(name, what, tip) {#name, -1, what, tip},
#define QT_BUTTON_TIP(name, what, tip) {"", buttonItem(#name), what, tip},
#include "resources/option_tips.def"
#undef QT_OPTION_TIP
#undef QT_BUTTON_TIP
};

}  // namespace

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

}  // namespace qtsession
