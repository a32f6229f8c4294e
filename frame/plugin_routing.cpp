// Plugin::Message: each caller/selector pair to its handler. Callers and selectors are
// compared byte for byte, in the table's order; an unlisted pair is "!MSG".
#include <cstring>

#include "frame/app_context.h"
#include "frame/error.h"
#include "frame/plugin.h"

namespace {

using Handler = ASErr (*)(Plugin& plugin, const char* selector, void* message);

struct Route {
    const char* caller;
    const char* selector;  // null: any selector of the caller
    Handler handler;
};

template <class M>
M* as(void* message) {
    return static_cast<M*>(message);
}

bool matches(const Route& route, const char* caller, const char* selector) {
    return std::strcmp(route.caller, caller) == 0 &&
           (route.selector == nullptr || std::strcmp(route.selector, selector) == 0);
}

}  // namespace

ASErr Plugin::Message(const char* caller, const char* selector, void* message) {
    AcquireOptionalSuites();

    // The table lives in the member function so that its handlers may reach private members.
    static const Route routes[] = {
        {kSPAccessCaller, kSPAccessUnloadSelector,
         [](Plugin& p, const char*, void* m) { return p.UnloadPlugin(as<SPAccessMessage>(m)); }},
        {kSPAccessCaller, kSPAccessReloadSelector,
         [](Plugin& p, const char*, void* m) { return p.ReloadPlugin(as<SPAccessMessage>(m)); }},
        {kSPInterfaceCaller, kSPInterfaceAboutSelector,
         [](Plugin& p, const char*, void* m) { return p.About(as<SPInterfaceMessage>(m)); }},
        {kSPInterfaceCaller, kSPInterfaceStartupSelector,
         [](Plugin&, const char*, void*) { return ASErr{kNoErr}; }},
        {kSPCacheCaller, kSPPluginPurgeCachesSelector,
         [](Plugin& p, const char*, void*) {
             return p.Purge() ? ASErr{kSPPluginCachesFlushResponse} : ASErr{kNoErr};
         }},
        {kSPPropertiesCaller, kSPPropertiesAcquireSelector,
         [](Plugin& p, const char*, void* m) { return p.AcquireProperty(as<SPPropertiesMessage>(m)); }},
        {kSPPropertiesCaller, kSPPropertiesReleaseSelector,
         [](Plugin& p, const char*, void* m) { return p.ReleaseProperty(as<SPPropertiesMessage>(m)); }},
        {kCallerAINotify, nullptr,
         [](Plugin& p, const char* s, void* m) { return p.HandleNotifier(s, as<AINotifierMessage>(m)); }},
        {kActionCaller, kDoActionSelector,
         [](Plugin& p, const char*, void* m) { return p.GoAction(as<SPGenericMessage>(m)); }},
        {kCallerAIMenu, kSelectorAIGoMenuItem,
         [](Plugin& p, const char*, void* m) { return p.GoMenuItem(as<AIMenuMessage>(m)); }},
        {kCallerAIMenu, kSelectorAIUpdateMenuItem,
         [](Plugin& p, const char*, void* m) { return p.UpdateMenuItem(as<AIMenuMessage>(m)); }},
        {kCallerAIFilter, kSelectorAIGetFilterParameters,
         [](Plugin& p, const char*, void* m) { return p.GetFilterParameters(as<SPGenericMessage>(m)); }},
        {kCallerAIFilter, kSelectorAIGoFilter,
         [](Plugin& p, const char*, void* m) { return p.GoFilter(as<SPGenericMessage>(m)); }},
        {kCallerAIPluginGroup, kSelectorAINotifyEdits,
         [](Plugin& p, const char*, void* m) { return p.PluginGroupNotify(as<SPGenericMessage>(m)); }},
        {kCallerAIPluginGroup, kSelectorAIUpdateArt,
         [](Plugin& p, const char*, void* m) { return p.PluginGroupUpdate(as<SPGenericMessage>(m)); }},
        {kCallerAIFileFormat, kSelectorAIGetFileFormatParameters,
         [](Plugin& p, const char*, void* m) { return p.GetFileFormatParameters(as<SPGenericMessage>(m)); }},
        {kCallerAIFileFormat, kSelectorAIGoFileFormat,
         [](Plugin& p, const char*, void* m) { return p.GoFileFormat(as<SPGenericMessage>(m)); }},
        {kCallerAIFileFormat, kSelectorAICheckFileFormat,
         [](Plugin& p, const char*, void* m) { return p.CheckFileFormat(as<SPGenericMessage>(m)); }},
        {kCallerAIFileFormat, kSelectorAIUpdateFileFormat,
         [](Plugin& p, const char*, void* m) { return p.FileFormatUpdate(as<SPGenericMessage>(m)); }},
        {kCallerAIFileFormat, kDoActionFileFormatSelector,
         [](Plugin& p, const char*, void* m) { return p.SetFileFormatParameters(as<SPGenericMessage>(m)); }},
        {kCallerAITool, kSelectorAIEditToolOptions,
         [](Plugin& p, const char*, void* m) { return p.EditTool(as<AIToolMessage>(m)); }},
        {kCallerAITool, kSelectorAITrackToolCursor,
         [](Plugin& p, const char*, void* m) { return p.TrackToolCursor(as<AIToolMessage>(m)); }},
        {kCallerAITool, kSelectorAIToolMouseDown,
         [](Plugin& p, const char*, void* m) { return p.ToolMouseDown(as<AIToolMessage>(m)); }},
        {kCallerAITool, kSelectorAIToolMouseDrag,
         [](Plugin& p, const char*, void* m) { return p.ToolMouseDrag(as<AIToolMessage>(m)); }},
        {kCallerAITool, kSelectorAIToolMouseUp,
         [](Plugin& p, const char*, void* m) { return p.ToolMouseUp(as<AIToolMessage>(m)); }},
        {kCallerAITool, kSelectorAISelectTool,
         [](Plugin& p, const char*, void* m) { return p.SelectTool(as<AIToolMessage>(m)); }},
        {kCallerAITool, kSelectorAIDeselectTool,
         [](Plugin& p, const char*, void* m) { return p.DeselectTool(as<AIToolMessage>(m)); }},
        {kCallerAITool, kSelectorAIReselectTool,
         [](Plugin& p, const char*, void* m) { return p.ReselectTool(as<AIToolMessage>(m)); }},
        {kCallerAITool, kSelectorAIToolDecreaseDiameter,
         [](Plugin& p, const char*, void* m) { return p.DecreaseDiameter(as<AIToolMessage>(m)); }},
        {kCallerAITool, kSelectorAIToolIncreaseDiameter,
         [](Plugin& p, const char*, void* m) { return p.IncreaseDiameter(as<AIToolMessage>(m)); }},
        {kCallerAILiveEffect, kSelectorAIEditLiveEffectParameters,
         [](Plugin& p, const char*, void* m) { return p.EditLiveEffectParameters(as<SPGenericMessage>(m)); }},
        {kCallerAILiveEffect, kSelectorAIGoLiveEffect,
         [](Plugin& p, const char*, void* m) { return p.GoLiveEffect(as<SPGenericMessage>(m)); }},
        {kCallerAILiveEffect, kSelectorAILiveEffectInterpolate,
         [](Plugin& p, const char*, void* m) { return p.LiveEffectInterpolate(as<SPGenericMessage>(m)); }},
        {kCallerAILiveEffect, kSelectorAILiveEffectInputType,
         [](Plugin& p, const char*, void* m) { return p.LiveEffectGetInputType(as<SPGenericMessage>(m)); }},
        {kCallerAILiveEffect, kSelectorAILiveEffectScaleParameters,
         [](Plugin& p, const char*, void* m) {
             return p.LiveEffectScaleParameters(as<SPGenericMessage>(m));
         }},
        {kCallerAILiveEffect, kSelectorAILiveEffectConverColorSpace,
         [](Plugin& p, const char*, void* m) {
             return p.LiveEffectConvertColorSpace(as<SPGenericMessage>(m));
         }},
        {kCallerAILiveEffect, kSelectorAILiveEffectAdjustColors,
         [](Plugin& p, const char*, void* m) { return p.LiveEffectAdjustColors(as<SPGenericMessage>(m)); }},
        {kCallerAILiveEffect, kSelectorAILiveEffectHandleMerge,
         [](Plugin& p, const char*, void* m) { return p.LiveEffectHandleMerge(as<SPGenericMessage>(m)); }},
        {kCallerAITimer, kSelectorAIGoTimer,
         [](Plugin& p, const char*, void* m) { return p.GoTimer(as<SPGenericMessage>(m)); }},
        {kCallerAIClipboard, kSelectorAIGoClipboard,
         [](Plugin& p, const char*, void* m) { return p.GoClipboard(as<SPGenericMessage>(m)); }},
        {kCallerAIClipboard, kSelectorAICanCopyClipboard,
         [](Plugin& p, const char*, void* m) { return p.CanCopyClipboard(as<SPGenericMessage>(m)); }},
        {kCallerAIClipboard, kSelectorAICloneClipboard,
         [](Plugin& p, const char*, void* m) { return p.CloneClipboard(as<SPGenericMessage>(m)); }},
        {kCallerAIClipboard, kSelectorAIDisposeClipboard,
         [](Plugin& p, const char*, void* m) { return p.DisposeClipboard(as<SPGenericMessage>(m)); }},
        {kAIWorkspaceCaller, kAIWSWriteSelector,
         [](Plugin& p, const char*, void* m) { return p.WorkspaceWrite(as<SPGenericMessage>(m)); }},
        {kAIWorkspaceCaller, kAIWSRestoreSelector,
         [](Plugin& p, const char*, void* m) { return p.WorkspaceRestore(as<SPGenericMessage>(m)); }},
        {kAIWorkspaceCaller, kAIWSDefaultSelector,
         [](Plugin& p, const char*, void* m) { return p.WorkspaceDefault(as<SPGenericMessage>(m)); }},
    };

    for (const Route& route : routes)
        if (matches(route, caller, selector)) return route.handler(*this, selector, message);
    return makeError(kUnhandledMsgErr);
}

// "AI Notifier": the application-started notification runs PostStartupPlugin; an
// "AI Notify" that nothing else handled goes to Notify. The host's application context is
// pushed for the whole handling.
ASErr Plugin::HandleNotifier(const char* selector, AINotifierMessage* message) {
    AppContext context(pluginRef);
    ASErr result = makeError(kUnhandledMsgErr);
    if (message->type != nullptr && std::strcmp(message->type, kAIApplicationStartedNotifier) == 0)
        result = PostStartupPlugin();
    if ((result == kNoErr || result == kUnhandledMsgErr) && std::strcmp(selector, kSelectorAINotify) == 0)
        result = Notify(message);
    return result;
}
