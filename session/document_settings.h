// A new document's settings as JSON, as the playground and the presets table write them:
// {seed, page: [w, h], colorModel, fill, stroke, strokeWidth, pressureDevice}, every key
// optional, checked as the command line checks its flags.
#ifndef QT_SESSION_DOCUMENT_SETTINGS_H
#define QT_SESSION_DOCUMENT_SETTINGS_H

#include <nlohmann/json.hpp>

#include "host/host.h"

namespace qtsession {

// `base` with the keys `settings` gives; a UsageError names a bad value, an unknown key or a
// key of the wrong type.
qthost::HostConfig documentConfig(const nlohmann::json& settings, qthost::HostConfig base = {});

}  // namespace qtsession

#endif
