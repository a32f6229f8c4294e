// The catalogue of options the command line can list and set.
#ifndef QT_APP_OPTION_CATALOG_H
#define QT_APP_OPTION_CATALOG_H

#include <span>
#include <string_view>

namespace qtapp {

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

}  // namespace qtapp

#endif
