// The tool handlers, the glue above the options and the drag engine: the options palette at
// selection and double-click, the cursor, and the drag (started at mouse-down, the drag
// engine per drag event, the undo at mouse-up). The frame reaches them only through the
// plug-in object's virtual functions.
#include "drag/drag_state.h"
#include "drag/driver.h"
#include "frame/plugin_texts.h"
#include "frame/suite_pointers.h"
#include "options/palette.h"
#include "options/store.h"
#include "tool/multi_arrow_tool_plugin.h"

// The palette is made once and lives until the host quits; deselecting the tool keeps it.
ASErr MultiArrowToolPlugin::SelectTool(AIToolMessage*) {
    if (optionsDialog != nullptr) return kNoErr;
    optionsDialog = sADMDialog->Create(pluginRef, texts::kOptionsDialogName, texts::kOptionsDialogID,
                                       texts::kOptionsDialogStyle, ToolPluginInitProc0, nullptr, 0);
    if (optionsDialog == nullptr) return kNoErr;
    sADMDialog->SetIcon(optionsDialog, 0, sADMIcon->GetFromResource(pluginRef, texts::kToolIcons, 1));
    sADMDialog->SetIcon(optionsDialog, 1, sADMIcon->GetFromResource(pluginRef, texts::kToolIcons, 2));
    return kNoErr;
}

// `dialogref` is the palette as its init procedure recorded it.
ASErr MultiArrowToolPlugin::EditTool(AIToolMessage*) {
    if (g::dialogref != nullptr) sADMDialog->Show(g::dialogref, true);
    return kNoErr;
}

ASErr MultiArrowToolPlugin::TrackToolCursor(AIToolMessage*) {
    sADMBasic->SetPlatformCursor(pluginRef, texts::kToolCursor);
    return kNoErr;
}

ASErr MultiArrowToolPlugin::ToolMouseDown(AIToolMessage* message) {
    drag::beginDrag(message->cursor);
    return kNoErr;
}

ASErr MultiArrowToolPlugin::ToolMouseDrag(AIToolMessage* message) {
    return tooldrag(message->cursor, message->pressure, 0);
}

// The same revert the drag engine makes before each event; the host's answer goes back.
ASErr MultiArrowToolPlugin::ToolMouseUp(AIToolMessage*) { return sAIUndo->UndoChanges(); }
