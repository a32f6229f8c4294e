// Plugin: the plug-in object that lives from "Startup" to "Shutdown" in the host's globals
// slot. It routes every caller/selector pair to a handler; the handlers here are the
// defaults that a plug-in overrides. The virtual operations keep their slot order.
#ifndef QT_FRAME_PLUGIN_H
#define QT_FRAME_PLUGIN_H

#include <ctime>

#include "frame/text_buffer.h"
#include "sdk/quen_tarb_sdk.h"

class Suites;

class Plugin {
  public:
    explicit Plugin(SPPluginRef pluginRef);
    Plugin(const Plugin&) = default;  // FixupReload rebinds a surviving object by copy
    Plugin& operator=(const Plugin&) = delete;

    virtual ~Plugin();
    virtual void ReportError(ASErr error, const char* caller, const char* selector, void* message);
    virtual ASErr LockPlugin(ASBoolean lock);
    virtual ASErr StartupPlugin(SPInterfaceMessage* message);
    virtual ASErr PostStartupPlugin();
    virtual ASErr ShutdownPlugin(SPInterfaceMessage* message);
    virtual ASErr UnloadPlugin(SPAccessMessage* message);
    virtual ASErr ReloadPlugin(SPAccessMessage* message);
    virtual ASErr AcquireProperty(SPPropertiesMessage* message);
    virtual ASErr ReleaseProperty(SPPropertiesMessage* message);
    // Copies the name, truncated and terminated, and returns its full length.
    virtual ASInt32 GetPluginName(char* buffer, ASInt32 length);
    virtual ASErr About(SPInterfaceMessage* message);
    virtual ASBoolean Purge();
    virtual ASErr Message(const char* caller, const char* selector, void* message);
    virtual ASErr SetGlobal(Plugin* plugin);
    virtual ASErr AllocateSuiteTables();
    virtual ASErr FillSuiteTables();
    virtual ASErr EmptySuiteTables();
    virtual ASErr AcquireOptionalSuites();
    virtual ASErr Notify(AINotifierMessage* message);
    virtual ASErr GoAction(SPGenericMessage* message);
    virtual ASErr GoMenuItem(AIMenuMessage* message);
    virtual ASErr UpdateMenuItem(AIMenuMessage* message);
    virtual ASErr GetFilterParameters(SPGenericMessage* message);
    virtual ASErr GoFilter(SPGenericMessage* message);
    virtual ASErr PluginGroupNotify(SPGenericMessage* message);
    virtual ASErr PluginGroupUpdate(SPGenericMessage* message);
    virtual ASErr GetFileFormatParameters(SPGenericMessage* message);
    virtual ASErr GoFileFormat(SPGenericMessage* message);
    virtual ASErr CheckFileFormat(SPGenericMessage* message);
    virtual ASErr FileFormatUpdate(SPGenericMessage* message);
    virtual ASErr SetFileFormatParameters(SPGenericMessage* message);
    virtual ASErr EditTool(AIToolMessage* message);
    virtual ASErr TrackToolCursor(AIToolMessage* message);
    virtual ASErr ToolMouseDown(AIToolMessage* message);
    virtual ASErr ToolMouseDrag(AIToolMessage* message);
    virtual ASErr ToolMouseUp(AIToolMessage* message);
    virtual ASErr SelectTool(AIToolMessage* message);
    virtual ASErr DeselectTool(AIToolMessage* message);
    virtual ASErr ReselectTool(AIToolMessage* message);
    virtual ASErr DecreaseDiameter(AIToolMessage* message);
    virtual ASErr IncreaseDiameter(AIToolMessage* message);
    virtual ASErr EditLiveEffectParameters(SPGenericMessage* message);
    virtual ASErr GoLiveEffect(SPGenericMessage* message);
    virtual ASErr LiveEffectInterpolate(SPGenericMessage* message);
    virtual ASErr LiveEffectGetInputType(SPGenericMessage* message);
    virtual ASErr LiveEffectConvertColorSpace(SPGenericMessage* message);
    virtual ASErr LiveEffectScaleParameters(SPGenericMessage* message);
    virtual ASErr LiveEffectAdjustColors(SPGenericMessage* message);
    virtual ASErr LiveEffectHandleMerge(SPGenericMessage* message);
    virtual ASErr GoTimer(SPGenericMessage* message);
    virtual ASErr GoClipboard(SPGenericMessage* message);
    virtual ASErr CanCopyClipboard(SPGenericMessage* message);
    virtual ASErr CloneClipboard(SPGenericMessage* message);
    virtual ASErr DisposeClipboard(SPGenericMessage* message);
    virtual ASErr WorkspaceWrite(SPGenericMessage* message);
    virtual ASErr WorkspaceRestore(SPGenericMessage* message);
    virtual ASErr WorkspaceDefault(SPGenericMessage* message);

    static bool IsReloadMsg(const char* caller, const char* selector);
    // Errors never shown to the user.
    static bool FilterError(ASErr error);
    // Shows an error as an alert with its template from index-string list 16050. Needs no
    // plug-in object, so start-up failures use it too.
    static void DefaultError(SPPluginRef pluginRef, ASErr error);

    // Null while the module is unloaded.
    Suites* GetSuites() const { return suites; }

  protected:
    SPPluginRef pluginRef;
    char pluginName[kTextBufferSize];
    Suites* suites = nullptr;
    ASInt32 lockCount = 0;
    SPAccessRef accessRef = nullptr;
    ASErr lastError = kNoErr;
    ASInt32 errorTimeout = 5;  // seconds
    bool suppressDuplicateErrors = true;
    std::time_t lastErrorTime = 0;

  private:
    ASErr HandleNotifier(const char* selector, AINotifierMessage* message);
};

#endif
