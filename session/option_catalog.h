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

}  // namespace qtsession

#endif
