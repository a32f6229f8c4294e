// Document settings from JSON.
#include "session/document_settings.h"

#include <string>

#include "host/run_errors.h"
#include "session/parse.h"

namespace qtsession {

qthost::HostConfig documentConfig(const nlohmann::json& settings, qthost::HostConfig config) {
    if (!settings.is_object()) throw qthost::UsageError("document settings must be an object");
    for (const auto& [key, value] : settings.items()) {
        const std::string what = "document setting \"" + qthost::printable(key) + "\"";
        try {
            if (key == "seed") {
                config.seed = checkedSeed(value.get<long long>(), "seed");
            } else if (key == "page") {
                if (!value.is_array() || value.size() != 2)
                    throw qthost::UsageError(what + ": must be [width, height]");
                const AIRealPoint page{value.at(0).get<AIReal>(), value.at(1).get<AIReal>()};
                const AIRealPoint checked = checkedPageSize(page, "page");
                config.pageWidth = checked.h;
                config.pageHeight = checked.v;
            } else if (key == "colorModel") {
                config.colorModel = parseColorModel(value.get<std::string>());
            } else if (key == "fill") {
                config.fill = parsePaint(value.get<std::string>(), "fill");
            } else if (key == "stroke") {
                config.stroke = parsePaint(value.get<std::string>(), "stroke");
            } else if (key == "strokeWidth") {
                config.strokeWidth = checkedStrokeWidth(value.get<double>(), "stroke width");
            } else if (key == "pressureDevice") {
                config.pressureDevice = value.get<bool>();
            } else {
                throw qthost::UsageError(
                    what + ": unknown (seed, page, colorModel, fill, stroke, strokeWidth, pressureDevice)");
            }
        } catch (const nlohmann::json::exception&) {
            throw qthost::UsageError(what + ": wrong type");
        }
    }
    return config;
}

}  // namespace qtsession
