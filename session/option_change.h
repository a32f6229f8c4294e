// An option change checked against the option catalogue alone, before any host runs: the name
// is an option with a control, and the value is one its control takes (0, 1, true or false for
// a check box; a number for a field; a whole number for a spin edit, which clamps it; an entry
// for a popup).
#ifndef QT_SESSION_OPTION_CHANGE_H
#define QT_SESSION_OPTION_CHANGE_H

#include <string_view>

#include "session/option_catalog.h"

namespace qtsession {

struct OptionChange {
    const OptionInfo* option = nullptr;
    bool boolean = false;  // a check box's value
    double real = 0.0;     // a field's value
    long long whole = 0;   // a spin edit's value (not yet clamped) or a popup's entry
};

// The change, or a UsageError that starts with `where` ("--set", "gesture event 4: set") and
// names the option and what is wrong.
OptionChange checkedOptionChange(std::string_view name, std::string_view value, std::string_view where);

}  // namespace qtsession

#endif
