// PluginMain: the module's only export. The frame's entry point does the work
// (frame/entry_point.h); this names the plug-in object's class for it.
#include "frame/entry_point.h"
#include "tool/multi_arrow_tool_plugin.h"

namespace {

constexpr PluginClass kQuenTarbPlugin{AllocatePlugin, FixupReload, DestroyPlugin};

}  // namespace

extern "C" QT_PLUGIN_EXPORT ASErr PluginMain(const char* caller, const char* selector,
                                             void* message) noexcept {
    return runEntryPoint(kQuenTarbPlugin, caller, selector, message);
}
