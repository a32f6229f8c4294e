// The tool's events: the options palette at selection and double-click, the cursor, and
// the drag (reset at mouse-down, the drag engine per drag event, the undo at mouse-up).
#include "drag/driver.h"
#include "frame/MultiArrowToolPlugin.h"
#include "frame/PluginTexts.h"
#include "frame/SuitePointers.h"
#include "options/palette.h"
#include "options/store.h"

namespace {

constexpr int kClearedPoints = 22;  // point1 entries 0..21; 22..24 keep their values

}  // namespace

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
    const AIRealPoint cursor = message->cursor;
    g::startingPoint = cursor;
    g::resizeaccvalue_5 = 100.0f;
    g::scalehvalue_10 = g::scalevvalue_10 = g::fadefillaccvalue_10 = 1.0f;
    g::lastposition_10 = cursor;
    g::count_10 = 0;
    g::count = 0;
    g::point1[0] = cursor;
    for (int i = 1; i < kClearedPoints; ++i) g::point1[i] = AIRealPoint{0.0f, 0.0f};
    g::keydown = true;
    g::pointcount = 0;
    return kNoErr;
}

ASErr MultiArrowToolPlugin::ToolMouseDrag(AIToolMessage* message) {
    return tooldrag(message->cursor, message->pressure, 0);
}

// The same revert the drag engine makes before each event; the host's answer goes back.
ASErr MultiArrowToolPlugin::ToolMouseUp(AIToolMessage*) { return sAIUndo->UndoChanges(); }
