// The palette's notification procedures. Each hands the notice to the host's default
// handling first, then brings the store and the palette in step; none reports an error.
#include "frame/suite_pointers.h"
#include "options/control_values.h"
#include "options/controls.h"
#include "options/palette.h"
#include "options/store.h"

namespace {

using options::Control;
using options::Option;
using options::Proc;

constexpr ASInt32 itemOf(Option option) { return options::spec(option).item; }

// The controls whose value is an option the user edits: every one but the static texts,
// the Reset button and the tool selector (which only `enabled` reads).
bool editsOption(const Control& c) {
    const bool hasOption = c.option.integer || c.option.real || c.option.boolean;
    return hasOption && c.proc != Proc::toolSelector;
}

// While the module is unloaded its suites are given back but the palette stays on screen:
// a change made then cannot be read, so it is left alone.
bool paletteSuitesHeld() { return sADMItem && sADMDialog && sADMList && sADMEntry; }

ADMDialogRef dialogOf(ADMItemRef item, ADMNotifierRef notifier) {
    ADMDialogRef dialog = sADMItem->GetDialog(item);
    sADMItem->DefaultNotify(item, notifier);
    return dialog;
}

void enableItem(ADMDialogRef dialog, ASInt32 id, bool enable) {
    if (ADMItemRef item = sADMDialog->GetItem(dialog, id)) sADMItem->Enable(item, enable);
}

void showItem(ADMDialogRef dialog, ASInt32 id, bool show) {
    if (ADMItemRef item = sADMDialog->GetItem(dialog, id)) sADMItem->Show(item, show);
}

bool usesSwatch(int32_t mode) { return mode == 6 || mode == 11; }

bool usesProcessValue(int32_t mode) {
    switch (mode) {
        case 1:
        case 2:
        case 5:
        case 6:
        case 7:
        case 8:
        case 13: return true;
        default: return false;
    }
}

}  // namespace

// Every control is copied, hidden pages included, so no per-control bookkeeping is needed.
// `deletepathvalue_12` has no control and so keeps its value (true unless reset otherwise):
// a control that does not exist must not clear an option.
void ToolDlgOKButtonProc0(ADMItemRef item, ADMNotifierRef notifier) noexcept {
    if (!paletteSuitesHeld()) return;
    ADMDialogRef dialog = dialogOf(item, notifier);
    sADMDialog->GetBoundsRect(dialog, &g::dialogposition);
    g::positionset = true;
    options::forEachControl([&](const Control& c, int32_t) {
        if (editsOption(c)) options::readControl(sADMDialog->GetItem(dialog, c.id), c);
    });
}

void enabled(ADMItemRef item, ADMNotifierRef notifier) noexcept {
    if (!paletteSuitesHeld()) return;
    ADMDialogRef dialog = dialogOf(item, notifier);
    g::currenttool = options::activeEntryID(item, g::currenttool);
    for (int32_t tool = 0; tool < options::kToolCount; ++tool)
        for (const Control& c : options::toolPage(tool)) showItem(dialog, c.id, false);
    sADMDialog->SetText(dialog, options::toolTitle(g::currenttool));
    for (const Control& c : options::toolPage(g::currenttool)) showItem(dialog, c.id, true);
}

void colorchange(ADMItemRef item, ADMNotifierRef notifier) noexcept {
    if (!paletteSuitesHeld()) return;
    ADMDialogRef dialog = dialogOf(item, notifier);
    g::filloptions =
        options::activeEntryID(sADMDialog->GetItem(dialog, itemOf(Option::filloptions)), g::filloptions);
    g::strokeoptions =
        options::activeEntryID(sADMDialog->GetItem(dialog, itemOf(Option::strokeoptions)), g::strokeoptions);
    enableItem(dialog, itemOf(Option::fillswatchvalue), usesSwatch(g::filloptions));
    enableItem(dialog, itemOf(Option::strokeswatchvalue), usesSwatch(g::strokeoptions));
    enableItem(dialog, itemOf(Option::fillprocessvalue), usesProcessValue(g::filloptions));
    enableItem(dialog, itemOf(Option::strokeprocessvalue), usesProcessValue(g::strokeoptions));
}

// Leaves the tool, its page, the title and the colour controls' enabling as they are.
void ToolDlgResetButtonProc(ADMItemRef item, ADMNotifierRef notifier) noexcept {
    if (!paletteSuitesHeld()) return;
    ADMDialogRef dialog = dialogOf(item, notifier);
    g::applyOptionDefaults();
    options::forEachControl([&](const Control& c, int32_t) {
        if (editsOption(c)) options::writeControl(sADMDialog->GetItem(dialog, c.id), c);
    });
}
