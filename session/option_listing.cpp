// The options read from the live palette.
#include "session/option_listing.h"

namespace qtsession {

namespace {

OptionRow rowFor(const OptionInfo& info, qthost::Dialog& palette) {
    OptionRow row{&info,        info.defaultValue,         std::nullopt,
                  std::nullopt, std::string(info.caption), !info.caption.empty()};
    qthost::DialogItem* item = info.item >= 0 ? palette.item(info.item) : nullptr;
    if (!item) return row;
    if (item->isPopup()) {
        row.value = item->activeIndex();
        row.min = 0;
        row.max = static_cast<double>(item->entries().size()) - 1;
        if (!item->entries().empty()) {
            row.label = item->entries().front()->text;
            row.hasLabel = true;
        }
    } else if (item->isCheckBox()) {
        row.value = item->boolValue() ? 1 : 0;
        row.label = item->text();
        row.hasLabel = true;
    } else {
        row.value = info.type == OptionType::Int ? item->intValue() : item->floatValue();
        row.min = item->minimum();
        row.max = item->maximum();
    }
    return row;
}

}  // namespace

std::vector<OptionRow> optionRows(Session& session, std::optional<int> tool) {
    std::vector<OptionRow> rows;
    for (const OptionInfo& info : optionCatalog()) {
        if (tool && info.tool != *tool) continue;
        rows.push_back(rowFor(info, session.palette()));
    }
    return rows;
}

}  // namespace qtsession
