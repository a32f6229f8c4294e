// MultiArrowToolPlugin: the QuenTarb plug-in object. It registers the tool and the About
// entry at start-up, shows the about box and hands the tool's events to the options palette
// and the drag engine. Every override is defined in this folder: the start-up, the About item
// and the exception boundary in multi_arrow_tool_plugin.cpp, the tool handlers in
// tool_handlers.cpp.
#ifndef QT_TOOL_MULTIARROWTOOLPLUGIN_H
#define QT_TOOL_MULTIARROWTOOLPLUGIN_H

#include "frame/plugin.h"

class MultiArrowToolPlugin : public Plugin {
  public:
    explicit MultiArrowToolPlugin(SPPluginRef pluginRef);
    MultiArrowToolPlugin(const MultiArrowToolPlugin&) = default;

    ASErr StartupPlugin(SPInterfaceMessage* message) override;
    ASErr Message(const char* caller, const char* selector, void* message) override;
    ASErr GoMenuItem(AIMenuMessage* message) override;

    // The tool handlers (tool_handlers.cpp).
    ASErr EditTool(AIToolMessage* message) override;
    ASErr TrackToolCursor(AIToolMessage* message) override;
    ASErr ToolMouseDown(AIToolMessage* message) override;
    ASErr ToolMouseDrag(AIToolMessage* message) override;
    ASErr ToolMouseUp(AIToolMessage* message) override;
    ASErr SelectTool(AIToolMessage* message) override;

    ASErr AddTools(SPInterfaceMessage* message);
    ASErr AddMenus(SPInterfaceMessage* message);

  private:
    AIMenuItemHandle aboutMenuItem = nullptr;
    ADMDialogRef optionsDialog = nullptr;
};

// A new plug-in object on the host's heap, or null when memory is short.
Plugin* AllocatePlugin(SPPluginRef pluginRef) noexcept;
// Binds an object that survived an unload of the module's code to this code's class,
// keeping all its fields.
void FixupReload(Plugin* plugin) noexcept;
// Destroys an object made by AllocatePlugin.
void DestroyPlugin(Plugin* plugin) noexcept;

#endif
