// `quentarb options`: every option with its type, default, range, control, label and tool,
// read from the live palette where the palette holds it.
#include <algorithm>
#include <cmath>
#include <iomanip>
#include <iostream>
#include <sstream>

#include "app/commands.h"
#include "app/messages.h"
#include "app/standard_output.h"
#include "export/files/atomic_file.h"
#include "export/float_text.h"
#include "export/json_writer.h"
#include "host/run_errors.h"
#include "session/option_catalog.h"
#include "session/option_listing.h"
#include "session/parse.h"
#include "session/session.h"

namespace qtapp {

using namespace qtsession;
using namespace qtexport;

using qthost::printable;

namespace {

std::string numberText(OptionType type, double x) {
    if (type == OptionType::Bool) return x != 0.0 ? "true" : "false";
    if (type == OptionType::Int) return std::to_string(static_cast<long long>(std::llround(x)));
    std::string text;
    appendFloat(text, static_cast<float>(x));
    return text;
}

void writeNumber(JsonWriter& w, OptionType type, double x) {
    if (type == OptionType::Bool) {
        w.value(x != 0.0);
    } else if (type == OptionType::Int) {
        w.value(static_cast<long long>(std::llround(x)));
    } else {
        w.value(static_cast<float>(x));
    }
}

}  // namespace

namespace {

std::string listing(const std::optional<std::string>& toolText, bool json) {
    std::optional<int> tool;
    if (toolText) tool = parseTool(*toolText);
    Session session(qthost::HostConfig{});
    const std::vector<OptionRow> rows = optionRows(session, tool);
    if (json) {
        std::string text;
        JsonWriter w(text);
        w.beginArray();
        for (const OptionRow& row : rows) {
            const OptionInfo& o = *row.info;
            w.beginObject();
            w.key("name");
            w.value(o.name);
            w.key("type");
            w.value(typeName(o.type));
            w.key("default");
            writeNumber(w, o.type, o.defaultValue);
            w.key("value");
            writeNumber(w, o.type, row.value);
            w.key("min");
            if (row.min && o.type != OptionType::Bool)
                writeNumber(w, o.type, *row.min);
            else
                w.null();
            w.key("max");
            if (row.max && o.type != OptionType::Bool)
                writeNumber(w, o.type, *row.max);
            else
                w.null();
            w.key("item");
            if (o.item >= 0)
                w.value(o.item);
            else
                w.null();
            w.key("label");
            if (row.hasLabel)
                w.value(row.label);
            else
                w.null();
            w.key("tool");
            if (o.tool >= 0)
                w.value(o.tool);
            else
                w.null();
            w.endObject();
        }
        w.endArray();
        return text + "\n";
    }
    std::ostringstream out;
    out << std::left << std::setw(26) << "NAME" << std::setw(7) << "TYPE" << std::setw(9) << "DEFAULT"
        << std::setw(17) << "RANGE" << std::setw(6) << "ITEM" << std::setw(14) << "TOOL"
        << "LABEL\n";
    for (const OptionRow& row : rows) {
        const OptionInfo& o = *row.info;
        std::string range = row.min && o.type != OptionType::Bool
                                ? numberText(o.type, *row.min) + " to " + numberText(o.type, *row.max)
                                : "";
        out << std::setw(26) << o.name << std::setw(7) << typeName(o.type) << std::setw(9)
            << numberText(o.type, o.defaultValue) << std::setw(17) << range << std::setw(6)
            << (o.item >= 0 ? std::to_string(o.item) : "-") << std::setw(14)
            << (o.tool >= 0 ? toolName(o.tool) : "shared") << (row.hasLabel ? row.label : "") << "\n";
    }
    return out.str();
}

}  // namespace

// Standard output is written here, checked: a full disk or a closed stream is status 3. A
// caller's own stream (the tests') gets the text as it is.
int runOptions(const std::optional<std::string>& toolText, bool json, std::ostream& out, std::ostream& err) {
    try {
        std::string text = listing(toolText, json);
        if (&out == &std::cout) {
            writeStandardOutput(text);
        } else {
            out << text;
        }
        return 0;
    } catch (...) {
        std::string line;
        int status = failureStatus(std::current_exception(), line);
        err << "quentarb options: " << printable(line) << "\n";
        return status;
    }
}

}  // namespace qtapp
