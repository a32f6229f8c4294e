// PluginMain: the module's only export. It creates the plug-in object at "Startup",
// destroys it at "Shutdown", rebinds it at "Reload" and hands every other message to it.
#include <cstdio>
#include <cstring>

#include "frame/error.h"
#include "frame/multi_arrow_tool_plugin.h"
#include "frame/suite_pointers.h"

namespace {

// Exceptions must not cross into the host: the life-cycle calls made here, outside
// MultiArrowToolPlugin::Message, get the same translation to codes.
template <class Call>
ASErr guarded(Call call) noexcept {
    try {
        return call();
    } catch (const ai::Error& e) {
        return e;
    } catch (...) {
        return kCantHappenErr;
    }
}

ASErr startup(SPMessageData* data, void* message) {
    Plugin* plugin = AllocatePlugin(data->self);
    if (plugin == nullptr) {
        Plugin::DefaultError(data->self, kOutOfMemoryErr);
        return kOutOfMemoryErr;
    }
    data->globals = plugin;
    const ASErr error =
        guarded([&] { return plugin->StartupPlugin(static_cast<SPInterfaceMessage*>(message)); });
    if (error != kNoErr) {
        DestroyPlugin(plugin);
        data->globals = nullptr;
        Plugin::DefaultError(data->self, error);
    }
    return error;
}

ASErr shutdown(SPMessageData* data, Plugin* plugin, void* message) {
    const ASErr error =
        guarded([&] { return plugin->ShutdownPlugin(static_cast<SPInterfaceMessage*>(message)); });
    DestroyPlugin(plugin);
    data->globals = nullptr;
    if (error != kNoErr) Plugin::DefaultError(data->self, error);
    return error;
}

}  // namespace

extern "C" QT_PLUGIN_EXPORT ASErr PluginMain(const char* caller, const char* selector, void* message) {
    if (caller == nullptr || selector == nullptr || message == nullptr) return kBadParameterErr;
    auto* data = static_cast<SPMessageData*>(message);
    sSPBasic = data->basic;
    auto* plugin = static_cast<Plugin*>(data->globals);

    if (std::strcmp(caller, kSPInterfaceCaller) == 0) {
        if (std::strcmp(selector, kSPInterfaceStartupSelector) == 0) {
            // A repeated start-up finds the object in place and is routed like any other
            // message; a second object would orphan the first with every suite it holds.
            if (plugin == nullptr) {
                const ASErr error = startup(data, message);
                if (error != kNoErr) return error;
                plugin = static_cast<Plugin*>(data->globals);
            }
        } else if (std::strcmp(selector, kSPInterfaceShutdownSelector) == 0) {
            return plugin != nullptr ? shutdown(data, plugin, message) : kNoErr;
        } else if (plugin == nullptr) {
            return kNoErr;
        }
    } else if (plugin == nullptr) {
        return kNoErr;
    }

    ASErr error = kNoErr;
    if (Plugin::IsReloadMsg(caller, selector)) {
        FixupReload(plugin);
        error = guarded([&] { return plugin->ReloadPlugin(static_cast<SPAccessMessage*>(message)); });
    } else {
        if (plugin->GetSuites() == nullptr) return kNoErr;  // unloaded: only "Reload" gets through
        error = plugin->Message(caller, selector, message);
    }

    if (error == kUnhandledMsgErr) {
#if defined(__APPLE__)
        std::fprintf(stderr, "Warning: Unhandled plugin message: caller \"%s\" selector \"%s\"\n", caller,
                     selector);
#endif
        return kNoErr;
    }
    if (error != kNoErr) plugin->ReportError(error, caller, selector, message);
    return error;
}
