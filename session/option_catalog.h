// The catalogue of options every front end can list and set, expanded from the option table.
#ifndef QT_SESSION_OPTION_CATALOG_H
#define QT_SESSION_OPTION_CATALOG_H

#include <span>
#include <string_view>

namespace qtsession {

enum class OptionType { int32, real, boolean };

struct OptionInfo {
    std::string_view name;
    OptionType type;
    double defaultValue;
    int item;  // palette item, -1 when no control edits it
    int tool;  // 0..12, -1 for a shared option
    std::string_view caption;  // empty for popups and for controls without a caption
};

std::span<const OptionInfo> optionCatalog();
const OptionInfo* findOption(std::string_view name);

// A palette control's tooltip (resources/option_tips.def): by the option it edits, or by its
// item for a control that edits none (option empty, item set).
struct ControlTip {
    std::string_view option;
    int item;                // -1 for a row keyed by option
    std::string_view what;   // a short name where the caption does not tell the control apart
    std::string_view tip;
};
std::span<const ControlTip> controlTips();
// The tip of the control at palette item `item`, or null.
const ControlTip* tipForItem(int item);

}  // namespace qtsession

#endif
