// The entry point's work: what PluginMain does with each message. The module's export
// (tool/plugin_main.cpp) hands every message here together with the functions that make,
// rebind and destroy its plug-in object, so the frame never names the class above it.
#ifndef QT_FRAME_ENTRYPOINT_H
#define QT_FRAME_ENTRYPOINT_H

#include "frame/plugin.h"

// The plug-in object's class, as the entry point needs it.
struct PluginClass {
    // A new object on the host's heap, or null when memory is short.
    Plugin* (*allocate)(SPPluginRef pluginRef) noexcept;
    // Binds an object that survived an unload of the module's code to this code's class,
    // keeping all its fields.
    void (*fixupReload)(Plugin* plugin) noexcept;
    // Destroys an object made by `allocate`.
    void (*destroy)(Plugin* plugin) noexcept;
};

// Creates the plug-in object at "Startup", destroys it at "Shutdown", rebinds it at
// "Reload" and hands every other message to it; reports what fails.
ASErr runEntryPoint(const PluginClass& pluginClass, const char* caller, const char* selector,
                    void* message) noexcept;

#endif
