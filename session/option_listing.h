// The options as the live palette shows them: every option of the catalogue with its current
// value, range and label, for the front ends that list them (`quentarb options`, Python).
#ifndef QT_SESSION_OPTION_LISTING_H
#define QT_SESSION_OPTION_LISTING_H

#include <optional>
#include <string>
#include <vector>

#include "session/option_catalog.h"
#include "session/session.h"

namespace qtsession {

struct OptionRow {
    const OptionInfo* info;
    double value;
    std::optional<double> min, max;
    std::string label;
    bool hasLabel;
};

// Every option, or only tool `tool`'s when it is given, read from the session's palette.
std::vector<OptionRow> optionRows(Session& session, std::optional<int> tool = std::nullopt);

}  // namespace qtsession

#endif
