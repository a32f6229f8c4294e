// Option changes checked against the catalogue.
#include "session/option_change.h"

#include <string>

#include "host/run_errors.h"
#include "session/parse.h"

namespace qtsession {

using qthost::inQuotes;
using qthost::printable;
using qthost::UsageError;

OptionChange checkedOptionChange(std::string_view name, std::string_view value, std::string_view where) {
    OptionChange change;
    change.option = findOption(name);
    if (!change.option) {
        throw UsageError(std::string(where) + ": unknown option " + inQuotes(name) +
                         " (see `quentarb options`)");
    }
    const OptionInfo& option = *change.option;
    const std::string what = std::string(where) + " " + printable(name);
    if (option.item < 0) throw UsageError(what + ": this option has no control in the palette");
    switch (option.type) {
        case OptionType::Bool: change.boolean = parseBool(value, what); break;
        case OptionType::Real: change.real = parseNumber(value, what); break;
        case OptionType::Int:
            change.whole = parseInteger(value, what);
            if (option.entries > 0 && (change.whole < 0 || change.whole >= option.entries)) {
                throw UsageError(what + ": " + printable(value) + " is not an entry of the popup (0 to " +
                                 std::to_string(option.entries - 1) + ")");
            }
            break;
    }
    return change;
}

}  // namespace qtsession
