// The entry point's work: the plug-in object is created at "Startup", destroyed at
// "Shutdown", rebound at "Reload", and every other message is handed to it.
#include "frame/entry_point.h"

#include <cstdio>
#include <cstring>

#include "frame/error.h"
#include "frame/suite_pointers.h"

namespace {

ASErr startup(const PluginClass& pluginClass, SPMessageData* data, void* message) noexcept {
    Plugin* plugin = pluginClass.allocate(data->self);
    if (plugin == nullptr) {
        const ASErr error = makeError(kOutOfMemoryErr);
        Plugin::DefaultError(data->self, error);
        return error;
    }
    data->globals = plugin;
    const ASErr error =
        exceptionBoundary([&] { return plugin->StartupPlugin(static_cast<SPInterfaceMessage*>(message)); });
    if (error != kNoErr) {
        pluginClass.destroy(plugin);
        data->globals = nullptr;
        Plugin::DefaultError(data->self, error);
    }
    return error;
}

ASErr shutdown(const PluginClass& pluginClass, SPMessageData* data, Plugin* plugin, void* message) noexcept {
    const ASErr error =
        exceptionBoundary([&] { return plugin->ShutdownPlugin(static_cast<SPInterfaceMessage*>(message)); });
    pluginClass.destroy(plugin);
    data->globals = nullptr;
    if (error != kNoErr) Plugin::DefaultError(data->self, error);
    return error;
}

}  // namespace

ASErr runEntryPoint(const PluginClass& pluginClass, const char* caller, const char* selector,
                    void* message) noexcept {
    if (caller == nullptr || selector == nullptr || message == nullptr) return makeError(kBadParameterErr);
    auto* data = static_cast<SPMessageData*>(message);
    sSPBasic = data->basic;
    auto* plugin = static_cast<Plugin*>(data->globals);

    if (std::strcmp(caller, kSPInterfaceCaller) == 0) {
        if (std::strcmp(selector, kSPInterfaceStartupSelector) == 0) {
            // A repeated start-up finds the object in place and is routed like any other
            // message; a second object would orphan the first with every suite it holds.
            if (plugin == nullptr) {
                QT_PROPAGATE(startup(pluginClass, data, message));
                plugin = static_cast<Plugin*>(data->globals);
            }
        } else if (std::strcmp(selector, kSPInterfaceShutdownSelector) == 0) {
            return plugin != nullptr ? shutdown(pluginClass, data, plugin, message) : kNoErr;
        } else if (plugin == nullptr) {
            return kNoErr;
        }
    } else if (plugin == nullptr) {
        return kNoErr;
    }

    ASErr error = kNoErr;
    if (Plugin::IsReloadMsg(caller, selector)) {
        pluginClass.fixupReload(plugin);
        error =
            exceptionBoundary([&] { return plugin->ReloadPlugin(static_cast<SPAccessMessage*>(message)); });
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
