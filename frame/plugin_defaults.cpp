// The handlers a plug-in does not override: the framework's own hooks succeed and do
// nothing; the message handlers answer "!MSG" (not handled, never shown to the user).
#include "frame/error.h"
#include "frame/plugin.h"
#include "frame/suites.h"

namespace {

ASErr notHandled() { return makeError(kUnhandledMsgErr); }

}  // namespace

ASErr Plugin::PostStartupPlugin() { return kNoErr; }
ASErr Plugin::SetGlobal(Plugin*) { return kNoErr; }
ASErr Plugin::AllocateSuiteTables() { return kNoErr; }
ASErr Plugin::FillSuiteTables() { return kNoErr; }
ASErr Plugin::EmptySuiteTables() { return kNoErr; }
ASErr Plugin::Notify(AINotifierMessage*) { return kNoErr; }
ASErr Plugin::GoAction(SPGenericMessage*) { return kNoErr; }
ASErr Plugin::ReselectTool(AIToolMessage*) { return kNoErr; }
ASErr Plugin::DecreaseDiameter(AIToolMessage*) { return kNoErr; }
ASErr Plugin::IncreaseDiameter(AIToolMessage*) { return kNoErr; }
ASBoolean Plugin::Purge() { return false; }

ASErr Plugin::AcquireOptionalSuites() {
    if (suites != nullptr) suites->AcquireOptionalSuites();
    return kNoErr;
}

ASErr Plugin::AcquireProperty(SPPropertiesMessage*) { return notHandled(); }
ASErr Plugin::ReleaseProperty(SPPropertiesMessage*) { return notHandled(); }
ASErr Plugin::GoMenuItem(AIMenuMessage*) { return notHandled(); }
ASErr Plugin::UpdateMenuItem(AIMenuMessage*) { return notHandled(); }
ASErr Plugin::GetFilterParameters(SPGenericMessage*) { return notHandled(); }
ASErr Plugin::GoFilter(SPGenericMessage*) { return notHandled(); }
ASErr Plugin::PluginGroupNotify(SPGenericMessage*) { return notHandled(); }
ASErr Plugin::PluginGroupUpdate(SPGenericMessage*) { return notHandled(); }
ASErr Plugin::GetFileFormatParameters(SPGenericMessage*) { return notHandled(); }
ASErr Plugin::GoFileFormat(SPGenericMessage*) { return notHandled(); }
ASErr Plugin::CheckFileFormat(SPGenericMessage*) { return notHandled(); }
ASErr Plugin::FileFormatUpdate(SPGenericMessage*) { return notHandled(); }
ASErr Plugin::SetFileFormatParameters(SPGenericMessage*) { return notHandled(); }
ASErr Plugin::EditTool(AIToolMessage*) { return notHandled(); }
ASErr Plugin::TrackToolCursor(AIToolMessage*) { return notHandled(); }
ASErr Plugin::ToolMouseDown(AIToolMessage*) { return notHandled(); }
ASErr Plugin::ToolMouseDrag(AIToolMessage*) { return notHandled(); }
ASErr Plugin::ToolMouseUp(AIToolMessage*) { return notHandled(); }
ASErr Plugin::SelectTool(AIToolMessage*) { return notHandled(); }
ASErr Plugin::DeselectTool(AIToolMessage*) { return notHandled(); }
ASErr Plugin::EditLiveEffectParameters(SPGenericMessage*) { return notHandled(); }
ASErr Plugin::GoLiveEffect(SPGenericMessage*) { return notHandled(); }
ASErr Plugin::LiveEffectInterpolate(SPGenericMessage*) { return notHandled(); }
ASErr Plugin::LiveEffectGetInputType(SPGenericMessage*) { return notHandled(); }
ASErr Plugin::LiveEffectConvertColorSpace(SPGenericMessage*) { return notHandled(); }
ASErr Plugin::LiveEffectScaleParameters(SPGenericMessage*) { return notHandled(); }
ASErr Plugin::LiveEffectAdjustColors(SPGenericMessage*) { return notHandled(); }
ASErr Plugin::LiveEffectHandleMerge(SPGenericMessage*) { return notHandled(); }
ASErr Plugin::GoTimer(SPGenericMessage*) { return notHandled(); }
ASErr Plugin::GoClipboard(SPGenericMessage*) { return notHandled(); }
ASErr Plugin::CanCopyClipboard(SPGenericMessage*) { return notHandled(); }
ASErr Plugin::CloneClipboard(SPGenericMessage*) { return notHandled(); }
ASErr Plugin::DisposeClipboard(SPGenericMessage*) { return notHandled(); }
ASErr Plugin::WorkspaceWrite(SPGenericMessage*) { return notHandled(); }
ASErr Plugin::WorkspaceRestore(SPGenericMessage*) { return notHandled(); }
ASErr Plugin::WorkspaceDefault(SPGenericMessage*) { return notHandled(); }
