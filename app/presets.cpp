// Reading the presets table.
#include "app/presets.h"

#include <nlohmann/json.hpp>
#include <sstream>

#include "host/run_errors.h"
#include "session/document_settings.h"
#include "session/parse.h"

namespace qtapp {

using qthost::UsageError;
using qtsession::documentConfig;
using qtsession::parseTool;

extern const char kPresetsJson[];  // resources/presets.json, embedded by the build

namespace {

using nlohmann::json;

// A value as `--set NAME=VALUE` takes it: booleans as 1 and 0, numbers in full.
std::string setText(const json& value, const std::string& where) {
    if (value.is_boolean()) return value.get<bool>() ? "1" : "0";
    if (value.is_number_integer()) return std::to_string(value.get<long long>());
    if (value.is_number()) {
        std::ostringstream text;
        text.precision(17);
        text << value.get<double>();
        return text.str();
    }
    throw UsageError(where + ": a value must be a number or a boolean");
}

AIRealPoint point(const json& at, const std::string& where) {
    if (!at.is_array() || at.size() != 2 || !at[0].is_number() || !at[1].is_number()) {
        throw UsageError(where + ": must be [x, y]");
    }
    return {at[0].get<AIReal>(), at[1].get<AIReal>()};
}

Preset readPreset(const json& p, const qthost::HostConfig& document, size_t index) {
    std::string where = "preset " + std::to_string(index);
    if (!p.is_object()) throw UsageError(where + ": not an object");
    Preset preset;
    try {
        preset.name = p.at("name").get<std::string>();
        where += " (" + preset.name + ")";
        preset.title = p.at("title").get<std::string>();
        preset.tool = parseTool(p.at("tool").get<std::string>());
        preset.shape = p.at("shape").get<int>();
        for (const json& set : p.value("sets", json::array())) {
            if (!set.is_array() || set.size() != 2) throw UsageError(where + ": each set is [option, value]");
            preset.sets.emplace_back(set[0].get<std::string>(), setText(set[1], where));
        }
        const json& drag = p.at("drag");
        preset.from = point(drag.at("from"), where + ": drag.from");
        preset.to = point(drag.at("to"), where + ": drag.to");
        preset.steps = drag.value("steps", 8);
        if (preset.steps < 1) throw UsageError(where + ": drag.steps must be at least 1");
        preset.config = documentConfig(p.value("document", json::object()), document);
    } catch (const json::exception& error) {
        throw UsageError(where + ": " + error.what());
    } catch (const UsageError& error) {
        const std::string text = error.what();
        throw UsageError(text.rfind("preset ", 0) == 0 ? text : where + ": " + text);
    }
    return preset;
}

}  // namespace

PresetTable parsePresets(const std::string& text) {
    json doc;
    try {
        doc = json::parse(text);
    } catch (const json::exception& error) {
        throw UsageError(std::string("the presets table is not JSON: ") + error.what());
    }
    if (!doc.is_object() || !doc.contains("presets") || !doc["presets"].is_array()) {
        throw UsageError("the presets table must be an object with a \"presets\" array");
    }
    PresetTable table;
    table.document = documentConfig(doc.value("document", json::object()));
    const json& list = doc["presets"];
    for (size_t i = 0; i < list.size(); ++i) table.presets.push_back(readPreset(list[i], table.document, i));
    return table;
}

const PresetTable& builtInPresets() {
    static const PresetTable table = parsePresets(kPresetsJson);
    return table;
}

}  // namespace qtapp
