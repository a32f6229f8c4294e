// The presets table (resources/presets.json, compiled in): the gallery's showcase pieces and
// the playground's one-click drawings. The playground reads the same file.
#ifndef QT_APP_PRESETS_H
#define QT_APP_PRESETS_H

#include <string>
#include <utility>
#include <vector>

#include "host/host.h"

namespace qtapp {

struct Preset {
    std::string name;
    std::string title;
    int tool = 0;
    int shape = 0;
    std::vector<std::pair<std::string, std::string>> sets;  // option, value as --set takes it
    AIRealPoint from{}, to{};
    int steps = 8;
    qthost::HostConfig config;  // the table's document settings, the preset's own over them
};

struct PresetTable {
    qthost::HostConfig document;  // the table's document settings
    std::vector<Preset> presets;
};

// A UsageError names the preset and the field that is wrong.
PresetTable parsePresets(const std::string& json);
const PresetTable& builtInPresets();

}  // namespace qtapp

#endif
