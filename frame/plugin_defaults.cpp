// The handlers a plug-in does not override: the framework's own hooks succeed and do
// nothing; the message handlers answer "!MSG" (not handled, never shown to the user).
#include "frame/plugin.h"
#include "frame/suites.h"

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

ASErr Plugin::AcquireProperty(SPPropertiesMessage*) { return kUnhandledMsgErr; }
ASErr Plugin::ReleaseProperty(SPPropertiesMessage*) { return kUnhandledMsgErr; }
ASErr Plugin::GoMenuItem(AIMenuMessage*) { return kUnhandledMsgErr; }
ASErr Plugin::UpdateMenuItem(AIMenuMessage*) { return kUnhandledMsgErr; }
ASErr Plugin::GetFilterParameters(SPGenericMessage*) { return kUnhandledMsgErr; }
ASErr Plugin::GoFilter(SPGenericMessage*) { return kUnhandledMsgErr; }
ASErr Plugin::PluginGroupNotify(SPGenericMessage*) { return kUnhandledMsgErr; }
ASErr Plugin::PluginGroupUpdate(SPGenericMessage*) { return kUnhandledMsgErr; }
ASErr Plugin::GetFileFormatParameters(SPGenericMessage*) { return kUnhandledMsgErr; }
ASErr Plugin::GoFileFormat(SPGenericMessage*) { return kUnhandledMsgErr; }
ASErr Plugin::CheckFileFormat(SPGenericMessage*) { return kUnhandledMsgErr; }
ASErr Plugin::FileFormatUpdate(SPGenericMessage*) { return kUnhandledMsgErr; }
ASErr Plugin::SetFileFormatParameters(SPGenericMessage*) { return kUnhandledMsgErr; }
ASErr Plugin::EditTool(AIToolMessage*) { return kUnhandledMsgErr; }
ASErr Plugin::TrackToolCursor(AIToolMessage*) { return kUnhandledMsgErr; }
ASErr Plugin::ToolMouseDown(AIToolMessage*) { return kUnhandledMsgErr; }
ASErr Plugin::ToolMouseDrag(AIToolMessage*) { return kUnhandledMsgErr; }
ASErr Plugin::ToolMouseUp(AIToolMessage*) { return kUnhandledMsgErr; }
ASErr Plugin::SelectTool(AIToolMessage*) { return kUnhandledMsgErr; }
ASErr Plugin::DeselectTool(AIToolMessage*) { return kUnhandledMsgErr; }
ASErr Plugin::EditLiveEffectParameters(SPGenericMessage*) { return kUnhandledMsgErr; }
ASErr Plugin::GoLiveEffect(SPGenericMessage*) { return kUnhandledMsgErr; }
ASErr Plugin::LiveEffectInterpolate(SPGenericMessage*) { return kUnhandledMsgErr; }
ASErr Plugin::LiveEffectGetInputType(SPGenericMessage*) { return kUnhandledMsgErr; }
ASErr Plugin::LiveEffectConvertColorSpace(SPGenericMessage*) { return kUnhandledMsgErr; }
ASErr Plugin::LiveEffectScaleParameters(SPGenericMessage*) { return kUnhandledMsgErr; }
ASErr Plugin::LiveEffectAdjustColors(SPGenericMessage*) { return kUnhandledMsgErr; }
ASErr Plugin::LiveEffectHandleMerge(SPGenericMessage*) { return kUnhandledMsgErr; }
ASErr Plugin::GoTimer(SPGenericMessage*) { return kUnhandledMsgErr; }
ASErr Plugin::GoClipboard(SPGenericMessage*) { return kUnhandledMsgErr; }
ASErr Plugin::CanCopyClipboard(SPGenericMessage*) { return kUnhandledMsgErr; }
ASErr Plugin::CloneClipboard(SPGenericMessage*) { return kUnhandledMsgErr; }
ASErr Plugin::DisposeClipboard(SPGenericMessage*) { return kUnhandledMsgErr; }
ASErr Plugin::WorkspaceWrite(SPGenericMessage*) { return kUnhandledMsgErr; }
ASErr Plugin::WorkspaceRestore(SPGenericMessage*) { return kUnhandledMsgErr; }
ASErr Plugin::WorkspaceDefault(SPGenericMessage*) { return kUnhandledMsgErr; }
